#pragma once

#include <QIcon>
#include <QList>

// A list of pictures addressed by 1-based position, as nodes and buttons name their images.
class ImageList final
{
public:
    void add(const QIcon &icon);
    // The picture at a 1-based position; a null icon for 0 or a position past the end.
    QIcon icon(int index) const;
    int count() const;

private:
    QList<QIcon> m_icons;
};
