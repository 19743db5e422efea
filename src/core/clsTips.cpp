#include "core/clsTips.h"

#include "core/TextCodec.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

const QStringList clsTips::BuiltInTips = {
    QStringLiteral("To change the editor font size, simply click \"Tools->Options\" and select the desired "
                   "font and size."),
    QStringLiteral("Drag text from the browser to the treeview to add selected text from a web page to your "
                   "Chordex."),
    QStringLiteral("Search the title, notes, and tab fields of each one of your Chordexs."),
    QStringLiteral("Add tablature staffs to your original documents by clicking the small buttons in the lower "
                   "right of your editor."),
    QStringLiteral("When creating your own tab files, first add a tab line using on of the buttons in the lower "
                   "right of the editor.  Next, click the \"Insert\" key on your computer before you start "
                   "adding numbers.  This helps preserve the layout of your tab lines."),
};

void clsTips::Load(const QString &path)
{
    m_tips.clear();
    m_number = 0;
    if (!QFileInfo::exists(path)) {
        m_tips = BuiltInTips;
        return;
    }
    QByteArray bytes;
    QString error;
    if (!TextFile::read(path, bytes, error))
        return;
    const QStringList lines = TextCodec::decode(bytes).text.split(QStringLiteral("\r\n"));
    for (const QString &line : lines) {
        const QString tip = line.trimmed();
        if (!tip.isEmpty())
            m_tips << tip;
    }
}

void clsTips::PickFirst()
{
    m_number = m_tips.isEmpty() ? 0 : int(QRandomGenerator::global()->bounded(int(m_tips.size()))) + 1;
}

void clsTips::NextTip()
{
    if (m_tips.isEmpty())
        return;
    m_number = m_number >= int(m_tips.size()) ? 1 : m_number + 1;
}

void clsTips::setNumber(int number)
{
    m_number = m_tips.isEmpty() ? 0 : std::clamp(number, 1, int(m_tips.size()));
}

QString clsTips::Tip() const
{
    return m_number >= 1 && m_number <= int(m_tips.size()) ? m_tips.at(m_number - 1) : QString();
}
