#pragma once

#include <QDialog>

class Prompts;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;

// Asks where a folder of tab files goes: the category, and whether every file is taken
// whatever its name. OK is off while the store has no category.
class frmImportFolder final : public QDialog
{
    Q_OBJECT

public:
    frmImportFolder(Prompts &prompts, const QString &sourceFolder, qint32 categoryId,
                    QWidget *parent = nullptr);

    qint32 CategoryId() const;
    bool AllFiles() const;

    QComboBox *cboCategory = nullptr;
    QCheckBox *chkAllFiles = nullptr;
    QDialogButtonBox *cmdButtons = nullptr;
};
