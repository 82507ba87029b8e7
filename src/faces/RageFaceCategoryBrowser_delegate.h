#pragma once
#include <QImage>
#include <QString>

// What the category browser reports to its owner (the editor).
class RageFaceCategoryBrowser_delegate
{
public:
    virtual ~RageFaceCategoryBrowser_delegate() = default;
    // A category was picked: its path, "RageFaces/<name>".
    virtual void rageFaceCategoryBrowserDidPickCategory(const QString &categoryPath) = 0;
    // A full-size face was picked from the search results.
    virtual void rageFaceCategoryBrowserDidPickImage(const QImage &image) = 0;
};
