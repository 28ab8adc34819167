#include "forms/PropertyDialogs.h"
#include <QCoreApplication>

#include "edits/Document.h"
#include "model/Colour.h"

namespace ulvanta::PropertyDialogs {

QString colourLabel(const QString& displayName) {
    return displayName + QLatin1Char(':');
}

std::optional<QColor> previewColour(const QString& text, qint32 defaultColour,
                                    const QPalette& palette) {
    if (text.isEmpty())
        return Colour::toColor(defaultColour, palette);
    const QString number = Colour::hexToNumber(text);
    if (number.isEmpty())
        return std::nullopt;
    return Colour::toColor(number.toInt(), palette);
}

QString chosenColourText(const QColor& colour) {
    return Colour::numberToHex(QString::number(Colour::toNumber(colour)));
}

QString storedColourText(const QString& typed) {
    if (typed.isEmpty() || typed.startsWith(QLatin1Char('#')))
        return typed;
    return QLatin1Char('#') + typed;
}

QString fileLabel(const QString& displayName, bool htmlFile) {
    return htmlFile ? QCoreApplication::translate("PropertyDialogs", "&HTML File Location:")
                    : displayName + QLatin1Char(':');
}

FileRequest fileRequest(const PropertyEditor& editor) {
    FileRequest r;
    r.title = editor.prompt;
    r.filter =
        editor.filter + QCoreApplication::translate("PropertyDialogs", "|All Files (*.*)|*.*");
    r.save = editor.htmlFile;
    return r;
}

QString browsedFileText(Setting key, const QString& path) {
    if (key == Setting::HtmlFile || key == Setting::Icon)
        return path;
    return QStringLiteral("file://") + path;
}

QString multiLineLabel(const QString& displayName) {
    return QLatin1Char('&') + displayName + QLatin1Char(':');
}

QString multiLineText(const Document& doc, int row) {
    if (row < 0 || row >= doc.props().count())
        return {};
    const auto key = doc.props().key(row);
    if (key == Setting::HeaderHtml)
        return doc.headerHtml();
    if (key == Setting::FooterHtml)
        return doc.footerHtml();
    return {};
}

QString multiLineSummary(const QString& text) {
    QString summary = text;
    summary.replace(QLatin1String("\r\n"), QLatin1String("  "));
    if (summary.size() >= 50)
        return summary.left(50) + QStringLiteral("...");
    return summary;
}

QString toEditorText(const QString& stored) {
    QString text = stored;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString fromEditorText(const QString& edited) {
    QString text = edited;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

void commitSetting(Document& doc, int row, const QString& value) {
    if (row < 0 || row >= doc.props().count())
        return;
    const QString& name = doc.props().name(row);
    doc.edits().push(changeSettingsStep(doc, name, {{doc.props().key(row), value, {}}}));
}

void commitMultiLine(Document& doc, int row, const QString& text) {
    if (row < 0 || row >= doc.props().count())
        return;
    const QString& name = doc.props().name(row);
    const Setting key = doc.props().key(row);
    if (key != Setting::HeaderHtml && key != Setting::FooterHtml)
        return;
    doc.edits().push(changeSettingsStep(doc, name, {{key, text, multiLineSummary(text)}}));
}

} // namespace ulvanta::PropertyDialogs
