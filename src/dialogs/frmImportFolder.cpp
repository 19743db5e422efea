#include "dialogs/frmImportFolder.h"

#include "store/CollectionImport.h"
#include "store/modMain.h"
#include "ui/ComboBoxTarget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmImportFolder::frmImportFolder(Prompts &prompts, const QString &sourceFolder, qint32 categoryId,
                                 QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImportFolder"));
    setWindowTitle(QStringLiteral("Import Folder"));
    auto *layout = new QVBoxLayout(this);
    auto *source = new QLabel(QStringLiteral("Import the tab files of\n") + QDir::toNativeSeparators(sourceFolder) +
                                  QStringLiteral("\nand of every folder inside it."),
                              this);
    source->setWordWrap(true);
    layout->addWidget(source);

    auto *form = new QFormLayout;
    cboCategory = new QComboBox(this);
    ComboBoxTarget target(*cboCategory, [this](int index) { cboCategory->setCurrentIndex(index); });
    modMain::FillCategoryList(prompts, target);
    const int shown = cboCategory->findData(QVariant::fromValue(categoryId));
    if (shown >= 0)
        cboCategory->setCurrentIndex(shown);
    form->addRow(QStringLiteral("Into category:"), cboCategory);
    layout->addLayout(form);

    chkAllFiles = new QCheckBox(QStringLiteral("Take every file, whatever its name (not only ") +
                                    QStringLiteral(".") + CollectionImport::TabExtensions().join(QStringLiteral(", .")) +
                                    QStringLiteral(")"),
                                this);
    layout->addWidget(chkAllFiles);

    cmdButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdButtons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Import"));
    cmdButtons->button(QDialogButtonBox::Ok)->setEnabled(cboCategory->count() > 0);
    connect(cmdButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(cmdButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(cmdButtons);
}

qint32 frmImportFolder::CategoryId() const
{
    return cboCategory->currentIndex() < 0 ? 0 : cboCategory->currentData().value<qint32>();
}

bool frmImportFolder::AllFiles() const
{
    return chkAllFiles->isChecked();
}
