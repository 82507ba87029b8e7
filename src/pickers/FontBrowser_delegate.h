#pragma once

class FontBrowser;
class QFont;

// What the font browser reports to whoever opened it (the editor's text
// editing). The font comes at 17 points; the receiver uses its family and
// style only.
class FontBrowser_delegate
{
public:
    virtual ~FontBrowser_delegate() = default;
    virtual void fontBrowserDidSelectFont(FontBrowser *browser, const QFont &font) = 0;
};
