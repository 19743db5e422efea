#include "browser/StartPage.h"

#include <QSaveFile>

namespace StartPage {

QString StartPageNote()
{
    return QStringLiteral(
               "Easily add .txt, .tab, .crd files from the web to your Chordex by cilcking the "
               "Save icon above. You can even drag selected text from the browser! ")
        + QStringLiteral(
              "Simply select an area of text in the browser to add to your Chordex. Drag that "
              "text to a folder in your treeview. Thats it! A new item ")
        + QStringLiteral(
              "will be created in the folder of your choice. You can now right-click and rename "
              "the new item.<br><br>")
        + QStringLiteral(
              "<font face=\"Arial\" size=\"1\" color=\"#ff0000\"><b>NOTE: You may lose formatting "
              "when dragging text from the browser.  This is because the text on a web page has "
              "no carriage returns or line feeds.  If the text is on a .txt, .tab, or .crd "
              "document, the all line formatting will remain the same.</b></font><br>");
}

QString StartPageHTML()
{
    const QString font = QStringLiteral("<font face=\"Verdana, Arial, Helvetica\" size=\"2\">");
    const QString tahoma = QStringLiteral("<font face=\"Tahoma, Verdana, Arial, Helvetica\" size=\"2\">");
    return QStringLiteral("<html>\r\n<head>\r\n<title>Chordex 3.0</title>\r\n</head>\r\n")
        + QStringLiteral("<body bgcolor=\"#ffffff\" leftmargin=\"0\" topmargin=\"0\" "
                         "marginwidth=\"0\" marginheight=\"0\" style=\"margin:0\">\r\n")
        + QStringLiteral("<table width=\"100%\" height=\"100%\" border=\"0\" cellpadding=\"0\" "
                         "cellspacing=\"0\">\r\n")
        // A thin empty band, then the logo band.
        + QStringLiteral("<tr><td colspan=\"2\" height=\"6\" background=\"bg3.jpg\" "
                         "bgcolor=\"#3a4f6e\"></td></tr>\r\n")
        + QStringLiteral("<tr><td colspan=\"2\" height=\"60\" background=\"bg2.jpg\" "
                         "bgcolor=\"#5b7399\"><img src=\"logo.gif\" alt=\"Chordex\"></td></tr>\r\n")
        // The left column: a strip ending in the corner image, and the sidebar.
        + QStringLiteral("<tr><td width=\"130\" valign=\"top\" background=\"bg1.jpg\" "
                         "bgcolor=\"#dde3ec\">\r\n")
        + QStringLiteral("<table width=\"130\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">"
                         "<tr><td height=\"20\" background=\"bg2.jpg\" bgcolor=\"#5b7399\" "
                         "align=\"right\"><img src=\"corner.gif\" alt=\"\"></td></tr></table>\r\n")
        + QStringLiteral("<table width=\"130\" border=\"0\" cellpadding=\"4\" cellspacing=\"0\">"
                         "<tr><td>")
        + tahoma + QStringLiteral("<br><br></font></td></tr></table>\r\n</td>\r\n")
        // The main column.
        + QStringLiteral("<td valign=\"top\" style=\"padding:12px\">\r\n") + font
        + QStringLiteral("<h3>Chordex 3.0</h3></font>\r\n<hr>\r\n")
        + font + QStringLiteral("<font color=\"#c0c0c0\">Guitar/Bass Document Management "
                                "Software</font></font><br><br>\r\n")
        + font + StartPageNote() + QStringLiteral("</font>\r\n</td></tr>\r\n")
        + QStringLiteral("<tr><td colspan=\"2\" height=\"6\" background=\"bg3.jpg\" "
                         "bgcolor=\"#3a4f6e\"></td></tr>\r\n")
        + QStringLiteral("</table>\r\n</body>\r\n</html>");
}

bool WriteStartPage(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((StartPageHTML() + QStringLiteral("\r\n")).toUtf8());
    return file.commit();
}

}  // namespace StartPage
