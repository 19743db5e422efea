#pragma once

#include <QString>
#include <QUrl>

// The Go button's keywords: a word typed into the address box that names a page instead of
// being an address.
namespace GoKeywords {

enum class Page { None, ProductHome, GuitarSite, ChordProSite };

// The page a typed text names; compared lower-cased and trimmed. None when it is no keyword.
Page Match(const QString &typed);

// The address of a page. The product's home page is the local start page, given by the caller.
QUrl Address(Page page, const QUrl &startPage);

}  // namespace GoKeywords
