#include "commands/PropertyController.h"

#include "commands/FileController.h"
#include "components/EntryContainer.h"
#include "components/FileChecks.h"
#include "components/LocaleNumber.h"
#include "edits/Document.h"
#include "model/Colour.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <cmath>

namespace ulvanta {

namespace {
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

const char* const kPictureFilter = QT_TRANSLATE_NOOP(
    "PropertyController",
    "All Picture Formats (*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp)|*.gif;*.jpg;"
    "*.jpeg;*.jpe;*.jfif;*.png;*.bmp|Gif Format (*.gif)|*.gif|JPEG Format (*.jpg;"
    "*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Portable Network Graphics "
    "(*.png)|*.png|Bitmap Image (*.bmp)|*.bmp");
const char* const kIconFilter = QT_TRANSLATE_NOOP("PropertyController", "Icon (*.ico)|*.ico");
const char* const kStyleSheetFilter =
    QT_TRANSLATE_NOOP("PropertyController", "Cascading Style Sheet (*.css)|*.css");
const char* const kHtmlFilter =
    QT_TRANSLATE_NOOP("PropertyController", "HTML Document (*.htm;*.html)|*.htm;*.html");

PropertyEditor number(const char* prompt, int lower, int upper) {
    PropertyEditor e;
    e.kind = EditorKind::Number;
    e.prompt = QCoreApplication::translate("PropertyController", prompt);
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

PropertyEditor file(const char* title, const char* filter, bool htmlFile = false) {
    PropertyEditor e;
    e.kind = EditorKind::File;
    e.prompt = QCoreApplication::translate("PropertyController", title);
    e.filter = QCoreApplication::translate("PropertyController", filter);
    e.htmlFile = htmlFile;
    return e;
}

PropertyEditor of(EditorKind kind) {
    PropertyEditor e;
    e.kind = kind;
    return e;
}

// Every property that is not a Boolean; the rest toggle.
const QHash<Setting, PropertyEditor>& editors() {
    static const QHash<Setting, PropertyEditor> table = {
        {Setting::BackgroundColour, colour(Colour::SystemWindow)},
        {Setting::BackgroundPicture,
         file(QT_TRANSLATE_NOOP("PropertyController", "Choose a Background Picture"),
              kPictureFilter)},
        {Setting::Columns,
         number(QT_TRANSLATE_NOOP("PropertyController", "How many columns do you want?"), 1, 100)},
        {Setting::Font, of(EditorKind::Font)},
        {Setting::FontSize,
         number(QT_TRANSLATE_NOOP("PropertyController", "Type the Font size:"), 1, 512)},
        {Setting::FooterHtml, of(EditorKind::MultiLine)},
        {Setting::HeaderHtml, of(EditorKind::MultiLine)},
        {Setting::Height,
         number(QT_TRANSLATE_NOOP("PropertyController", "Window height (pixels):"), 0, 10000)},
        {Setting::Icon,
         file(QT_TRANSLATE_NOOP("PropertyController", "Choose an Icon"), kIconFilter)},
        {Setting::IconSize,
         number(QT_TRANSLATE_NOOP("PropertyController", "Icon size (16 minimum):"), 16, 1024)},
        {Setting::TextColour, colour(Colour::SystemWindowText)},
        {Setting::Title, of(EditorKind::Title)},
        // The launcher's window needs room for its command bar: 104, not 100.
        {Setting::Width,
         number(QT_TRANSLATE_NOOP("PropertyController", "Window width (pixels):"), 104, 10000)},
        {Setting::LinkColour, colour(Colour::Blue)},
        {Setting::LinkVisitedColour, colour(Colour::Purple)},
        {Setting::LinkActiveColour, colour(Colour::Red)},
        {Setting::LinkHoverColour, colour(Colour::SystemButtonFace)},
        {Setting::StyleSheet,
         file(QT_TRANSLATE_NOOP("PropertyController", "Choose a Style Sheet"), kStyleSheetFilter)},
        {Setting::TableColour, colour(Colour::SystemWindow)},
        {Setting::HtmlFile,
         file(QT_TRANSLATE_NOOP("PropertyController", "HTML File Location"), kHtmlFilter, true)},
    };
    return table;
}

const QString& boolText(bool on) {
    return on ? kTrue : kFalse;
}
} // namespace

PropertyEditor editorFor(Setting key) {
    return editors().value(key, of(EditorKind::Boolean));
}

bool PropertyController::validRow(int row) const {
    return row >= 0 && row < m_doc.props().count();
}

void PropertyController::activate(int row, PropertyEditorHost& host) {
    if (!validRow(row))
        return;
    const PropertyEditor editor = editorFor(m_doc.props().key(row));
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
        // Cancel counts as an edit too.
        if (!host.editMultiLine(row))
            m_doc.edits().markModified();
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
    const QString errorTitle =
        QCoreApplication::translate("PropertyController", "%1 Error").arg(name);
    const std::optional<double> value = parseNumber(*answer);
    if (!value) {
        m_prompter.message(QCoreApplication::translate("PropertyController",
                                                       "'%1' is not a number, please try again")
                               .arg(*answer),
                           errorTitle, PromptIcon::Exclamation);
        return;
    }
    if (*value < lower) {
        m_prompter.message(
            QCoreApplication::translate("PropertyController", "The number must be %1 or higher")
                .arg(lower),
            errorTitle, PromptIcon::Exclamation);
        return;
    }
    if (*value > upper) {
        m_prompter.message(
            QCoreApplication::translate("PropertyController", "The number must be %1 or lower")
                .arg(upper),
            errorTitle, PromptIcon::Exclamation);
        return;
    }
    set(row, *answer);
}

void PropertyController::set(int row, const QString& value, bool retitle) {
    const QString& name = m_doc.props().name(row);
    m_doc.edits().push(
        changeSettingsStep(m_doc, name, {{m_doc.props().key(row), value, {}}}, retitle));
}

void PropertyController::toggle(int row) {
    if (!validRow(row))
        return;
    const QString setting = m_doc.props().setting(row);
    const auto key = m_doc.props().key(row);
    if (setting == kFalse && key == Setting::ShowEditCommand) {
        saveCheck(row);
    } else if (setting == kFalse || setting == kTrue) {
        set(row, setting == kFalse ? kTrue : kFalse);
    } else {
        set(row, setting); // any other text stays, yet counts as an edit
    }
}

void PropertyController::saveCheck(int row) {
    const QString& name = m_doc.props().name(row);
    EditStepPtr step = changeSettingsStep(m_doc, name, {{m_doc.props().key(row), kTrue, {}}});
    // The page's edit command opens the document file, so there has to be one.
    if (!m_doc.filePath().isEmpty() && FileChecks::fileExists(m_doc.filePath())) {
        m_doc.edits().push(std::move(step));
        return;
    }
    // The setting is on while the question is asked and saved with the file.
    step->redo();
    const PromptAnswer a = m_prompter.message(
        QCoreApplication::translate(
            "PropertyController",
            "This property requires that the file is saved.  Do you want to save now?"),
        QCoreApplication::translate("PropertyController", "Save File"), PromptIcon::Question,
        PromptButtons::YesNo, PromptAnswer::Yes);
    if (a == PromptAnswer::Yes) {
        m_doc.edits().push(std::move(step));
        m_files.save();
    } else {
        step->undo();
        m_doc.edits().markModified();
    }
}

void PropertyController::editTitle(int row) {
    if (!validRow(row))
        return;
    const std::optional<QString> answer = m_prompter.input(
        QCoreApplication::translate("PropertyController", "Type the window title:"),
        QCoreApplication::translate("PropertyController", "Title"), m_doc.props().setting(row));
    if (!answer || answer->isEmpty())
        return;
    set(row, *answer, true);
}

std::optional<FontChoice> PropertyController::fontSettings() const {
    const auto raw = [this](Setting key) { return m_doc.setting(key); };
    FontChoice f;
    f.name = raw(Setting::Font);
    f.bold = raw(Setting::FontBold) == kTrue;
    f.italic = raw(Setting::FontItalic) == kTrue;
    f.strikeOut = raw(Setting::FontStrikethrough) == kTrue;
    f.underline = raw(Setting::FontUnderline) == kTrue;
    const QString size = raw(Setting::FontSize);
    if (!size.isEmpty()) {
        f.size = parseNumber(size);
        if (!f.size)
            return std::nullopt;
    }
    const QString colour = Colour::hexToNumber(raw(Setting::TextColour));
    if (!colour.isEmpty())
        f.colour = colour.toInt();
    return f;
}

void PropertyController::writeFont(const FontChoice& font) {
    const auto value = [](Setting key, const QString& v) { return SettingValue{key, v, {}}; };
    m_doc.edits().push(changeSettingsStep(
        m_doc, QStringLiteral("Font"),
        {value(Setting::Font, font.name), value(Setting::FontBold, boolText(font.bold)),
         value(Setting::FontItalic, boolText(font.italic)),
         value(Setting::FontSize, font.size ? formatFontSize(*font.size) : QString()),
         value(Setting::FontStrikethrough, boolText(font.strikeOut)),
         value(Setting::FontUnderline, boolText(font.underline)),
         value(Setting::TextColour,
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
    const auto key = m_doc.props().key(row);
    if (key != Setting::Font && key != Setting::FontSize && key != Setting::IconSize)
        return false;
    set(row, QString());
    return true;
}

void PropertyController::reset(int currentRow) {
    if (m_prompter.message(
            QCoreApplication::translate("PropertyController",
                                        "Are you sure you want to reset the properties?"),
            QCoreApplication::translate("PropertyController", "Reset Properties"),
            PromptIcon::Question, PromptButtons::YesNo, PromptAnswer::Yes) != PromptAnswer::Yes)
        return;
    EditStepPtr step = resetSettingsStep(
        m_doc, QCoreApplication::translate("PropertyController", "Reset Properties"));
    step->setCurrentBefore(currentRow);
    m_doc.edits().push(std::move(step));
}

} // namespace ulvanta
