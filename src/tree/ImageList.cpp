#include "tree/ImageList.h"

void ImageList::add(const QIcon &icon)
{
    m_icons.append(icon);
}

QIcon ImageList::icon(int index) const
{
    if (index < 1 || index > m_icons.size())
        return {};
    return m_icons.at(index - 1);
}

int ImageList::count() const
{
    return int(m_icons.size());
}
