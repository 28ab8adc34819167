#include "commands/PropertyController.h"

#include "commands/FileController.h"
#include "components/EntryContainer.h"
#include "components/FileChecks.h"
#include "components/LocaleNumber.h"
#include "edits/Document.h"
#include "model/Colour.h"

#include <QHash>
#include <QLocale>
#include <cmath>

namespace ulvanta {

namespace {
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

const QString kPictureFilter =
    QStringLiteral("All Picture Formats (*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp)|*.gif;*.jpg;"
                   "*.jpeg;*.jpe;*.jfif;*.png;*.bmp|Gif Format (*.gif)|*.gif|JPEG Format (*.jpg;"
                   "*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Portable Network Graphics "
                   "(*.png)|*.png|Bitmap Image (*.bmp)|*.bmp");
const QString kIconFilter = QStringLiteral("Icon (*.ico)|*.ico");
const QString kStyleSheetFilter = QStringLiteral("Cascading Style Sheet (*.css)|*.css");
const QString kHtmlFilter = QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html");

PropertyEditor number(const char* prompt, int lower, int upper) {
    PropertyEditor e;
    e.kind = EditorKind::Number;
    e.prompt = QString::fromLatin1(prompt);
    e.lower = lower;
    e.upper = upper;
    return e;
}

PropertyEditor colour(qint32 defaultColour) {
    PropertyEditor e;
    e.kind = EditorKind::Colour;
    e.defaultColour = defaultColour;
    return e;
}

PropertyEditor file(const char* title, const QString& filter, bool htmlFile = false) {
    PropertyEditor e;
    e.kind = EditorKind::File;
    e.prompt = QString::fromLatin1(title);
    e.filter = filter;
    e.htmlFile = htmlFile;
    return e;
}

PropertyEditor of(EditorKind kind) {
    PropertyEditor e;
    e.kind = kind;
    return e;
}

// Every property that is not a Boolean; the rest toggle.
const QHash<QString, PropertyEditor>& editors() {
    static const QHash<QString, PropertyEditor> table = {
        {QStringLiteral("Background colour"), colour(Colour::SystemWindow)},
        {QStringLiteral("Background picture"), file("Choose a Background Picture", kPictureFilter)},
        {QStringLiteral("Columns"), number("How many columns do you want?", 1, 100)},
        {QStringLiteral("Font"), of(EditorKind::Font)},
        {QStringLiteral("Font size"), number("Type the Font size:", 1, 512)},
        {QStringLiteral("Footer HTML"), of(EditorKind::MultiLine)},
        {QStringLiteral("Header HTML"), of(EditorKind::MultiLine)},
        {QStringLiteral("Height"), number("Window height (pixels):", 0, 10000)},
        {QStringLiteral("Icon"), file("Choose an Icon", kIconFilter)},
        {QStringLiteral("Icon size"), number("Icon size (16 minimum):", 16, 1024)},
        {QStringLiteral("Text colour"), colour(Colour::SystemWindowText)},
        {QStringLiteral("Title"), of(EditorKind::Title)},
        // The launcher's window needs room for its command bar: 104, not 100.
        {QStringLiteral("Width"), number("Window width (pixels):", 104, 10000)},
        {QStringLiteral("Link colour"), colour(Colour::Blue)},
        {QStringLiteral("Link visited colour"), colour(Colour::Purple)},
        {QStringLiteral("Link active colour"), colour(Colour::Red)},
        {QStringLiteral("Link hover colour"), colour(Colour::SystemButtonFace)},
        {QStringLiteral("Style sheet"), file("Choose a Style Sheet", kStyleSheetFilter)},
        {QStringLiteral("Table colour"), colour(Colour::SystemWindow)},
        {QStringLiteral("(HTML File)"), file("HTML File Location", kHtmlFilter, true)},
    };
    return table;
}

const QString& boolText(bool on) {
    return on ? kTrue : kFalse;
}
} // namespace

PropertyEditor editorFor(const QString& displayName) {
    return editors().value(displayName, of(EditorKind::Boolean));
}

bool PropertyController::validRow(int row) const {
    return row >= 0 && row < m_doc.props().count();
}

void PropertyController::activate(int row, PropertyEditorHost& host) {
    if (!validRow(row))
        return;
    const PropertyEditor editor = editorFor(m_doc.props().name(row));
    switch (editor.kind) {
    case EditorKind::Boolean:
        toggle(row);
        break;
    case EditorKind::Number:
        editNumber(row, editor.prompt, editor.lower, editor.upper);
        break;
    case EditorKind::Title:
        editTitle(row);
        break;
    case EditorKind::Font:
        editFont(host);
        break;
    case EditorKind::Colour:
        host.editColour(row, editor.defaultColour);
        break;
    case EditorKind::File:
        host.editFile(row, editor);
        // Run and the desktop shortcut follow the built page's location.
        if (editor.htmlFile)
            m_doc.requestActionUpdate();
        break;
    case EditorKind::MultiLine:
        host.editMultiLine(row);
        m_doc.setModified(true);
        break;
    }
}

std::optional<double> PropertyController::parseNumber(const QString& text) {
    const std::optional<double> value = readLocaleNumber(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString PropertyController::formatFontSize(double points) {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // The size is a single-precision number: six significant digits say it all.
    return locale.toString(double(float(points)), 'g', 6);
}

void PropertyController::editNumber(int row, const QString& prompt, int lower, int upper) {
    if (!validRow(row))
        return;
    const QString name = m_doc.props().name(row);
    const std::optional<QString> answer =
        m_prompter.input(prompt, name, m_doc.props().setting(row));
    if (!answer || answer->isEmpty())
        return;
    const QString errorTitle = name + QStringLiteral(" Error");
    const std::optional<double> value = parseNumber(*answer);
    if (!value) {
        m_prompter.message(QLatin1Char('\'') + *answer +
                               QStringLiteral("' is not a number, please try again"),
                           errorTitle, PromptIcon::Exclamation);
        return;
    }
    if (*value < lower) {
        m_prompter.message(QStringLiteral("The number must be %1 or higher").arg(lower), errorTitle,
                           PromptIcon::Exclamation);
        return;
    }
    if (*value > upper) {
        m_prompter.message(QStringLiteral("The number must be %1 or lower").arg(upper), errorTitle,
                           PromptIcon::Exclamation);
        return;
    }
    set(row, *answer);
}

void PropertyController::set(int row, const QString& value, bool retitle) {
    const QString& name = m_doc.props().name(row);
    m_doc.edits().push(changeSettingsStep(m_doc, name, {{name, value, {}}}, retitle));
}

void PropertyController::toggle(int row) {
    if (!validRow(row))
        return;
    const QString setting = m_doc.props().setting(row);
    const QString& name = m_doc.props().name(row);
    if (setting == kFalse && name == QLatin1String("Show edit command")) {
        saveCheck(row);
    } else if (setting == kFalse || setting == kTrue) {
        set(row, setting == kFalse ? kTrue : kFalse);
    } else {
        m_doc.setModified(true); // any other text stays, yet counts as an edit
    }
}

void PropertyController::saveCheck(int row) {
    const QString& name = m_doc.props().name(row);
    EditStepPtr step = changeSettingsStep(m_doc, name, {{name, kTrue, {}}});
    // The page's edit command opens the document file, so there has to be one.
    if (!m_doc.filePath().isEmpty() && FileChecks::fileExists(m_doc.filePath())) {
        m_doc.edits().push(std::move(step));
        return;
    }
    // The setting is on while the question is asked and saved with the file.
    step->apply(m_doc);
    const PromptAnswer a = m_prompter.message(
        QStringLiteral("This property requires that the file is saved.  Do you want to save now?"),
        QStringLiteral("Save File"), PromptIcon::Question, PromptButtons::YesNo, PromptAnswer::Yes);
    if (a == PromptAnswer::Yes) {
        m_doc.edits().pushDone(std::move(step));
        m_files.save();
    } else {
        step->revert(m_doc);
        m_doc.setModified(true);
    }
}

void PropertyController::editTitle(int row) {
    if (!validRow(row))
        return;
    const std::optional<QString> answer =
        m_prompter.input(QStringLiteral("Type the window title:"), QStringLiteral("Title"),
                         m_doc.props().setting(row));
    if (!answer || answer->isEmpty())
        return;
    set(row, *answer, true);
}

std::optional<FontChoice> PropertyController::fontSettings() const {
    const auto raw = [this](const char* name) { return m_doc.setting(QString::fromLatin1(name)); };
    FontChoice f;
    f.name = raw("Font");
    f.bold = raw("Font bold") == kTrue;
    f.italic = raw("Font italic") == kTrue;
    f.strikeOut = raw("Font strikethrough") == kTrue;
    f.underline = raw("Font underline") == kTrue;
    const QString size = raw("Font size");
    if (!size.isEmpty()) {
        f.size = parseNumber(size);
        if (!f.size)
            return std::nullopt;
    }
    const QString colour = Colour::hexToNumber(raw("Text colour"));
    if (!colour.isEmpty())
        f.colour = colour.toInt();
    return f;
}

void PropertyController::writeFont(const FontChoice& font) {
    const auto value = [](const char* name, const QString& v) {
        return SettingValue{QString::fromLatin1(name), v, {}};
    };
    m_doc.edits().push(changeSettingsStep(
        m_doc, QStringLiteral("Font"),
        {value("Font", font.name), value("Font bold", boolText(font.bold)),
         value("Font italic", boolText(font.italic)),
         value("Font size", font.size ? formatFontSize(*font.size) : QString()),
         value("Font strikethrough", boolText(font.strikeOut)),
         value("Font underline", boolText(font.underline)),
         value("Text colour",
               font.colour ? Colour::numberToHex(QString::number(*font.colour)) : QString())}));
}

void PropertyController::editFont(PropertyEditorHost& host) {
    const std::optional<FontChoice> initial = fontSettings();
    if (!initial)
        return;
    const std::optional<FontChoice> chosen = host.chooseFont(*initial);
    if (chosen)
        writeFont(*chosen);
}

bool PropertyController::deleteKey(int row) {
    if (!validRow(row))
        return false;
    const QString& name = m_doc.props().name(row);
    if (name != QLatin1String("Font") && name != QLatin1String("Font size") &&
        name != QLatin1String("Icon size"))
        return false;
    set(row, QString());
    return true;
}

void PropertyController::reset(int currentRow) {
    if (m_prompter.message(QStringLiteral("Are you sure you want to reset the properties?"),
                           QStringLiteral("Reset Properties"), PromptIcon::Question,
                           PromptButtons::YesNo, PromptAnswer::Yes) != PromptAnswer::Yes)
        return;
    EditStepPtr step = resetSettingsStep(m_doc, QStringLiteral("Reset Properties"));
    step->before.current = currentRow;
    m_doc.edits().push(std::move(step));
}

} // namespace ulvanta
