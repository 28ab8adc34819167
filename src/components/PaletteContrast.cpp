#include "components/PaletteContrast.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace ulvanta {

namespace {

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(double r, double g, double b) {
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b);
}

double luminance(const QColor& c) {
    return luminance(c.redF(), c.greenF(), c.blueF());
}

double ratioOf(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A drawing needs less contrast than text to be seen: the outline of a glyph is
// larger than a letter's stroke.
constexpr double kIconContrast = 2.0;
// One pixel in this many of an icon standing out is enough to see it by.
constexpr qsizetype kIconPartSeen = 8;
constexpr double kTextContrast = 4.5;

QColor mixed(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(mix(from.redF(), to.redF())),
                            float(mix(from.greenF(), to.greenF())),
                            float(mix(from.blueF(), to.blueF())));
}

} // namespace

double PaletteContrast::ratio(const QColor& a, const QColor& b) {
    return ratioOf(luminance(a), luminance(b));
}

QImage PaletteContrast::legibleIcon(const QImage& icon, const QColor& background,
                                    const QColor& text) {
    // Icons are drawn for light backgrounds, some of them faintly (a white page):
    // only a dark one can hide them.
    const double behind = luminance(background);
    if (behind >= luminance(text))
        return icon;
    // An icon is seen by the parts of it that stand out, often just an outline
    // (a black page drawn in white): it needs some of them, not all.
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    qsizetype drawn = 0, standingOut = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                continue;
            ++drawn;
            const double l =
                luminance(qRed(line[x]) / 255.0, qGreen(line[x]) / 255.0, qBlue(line[x]) / 255.0);
            if (ratioOf(l, behind) >= kIconContrast)
                ++standingOut;
        }
    }
    if (standingOut * kIconPartSeen >= drawn)
        return icon;
    QImage redrawn = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&redrawn);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(redrawn.rect(), text);
    return redrawn;
}

QIcon PaletteContrast::legibleIcon(const QIcon& icon, const QPalette& palette,
                                   QPalette::ColorRole background) {
    const QPalette::ColorRole text =
        background == QPalette::Base ? QPalette::Text : QPalette::WindowText;
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        sizes = {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    QIcon legible;
    bool redrawn = false;
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        const QImage shown = legibleIcon(image, palette.color(background), palette.color(text));
        redrawn = redrawn || shown.cacheKey() != image.cacheKey();
        legible.addPixmap(QPixmap::fromImage(shown));
    }
    // One that needs no change stays as it was, sharp at every size.
    return redrawn ? legible : icon;
}

QColor PaletteContrast::softerText(const QColor& text, const QColor& background) {
    // At most this share of the way: beyond it the two tones no longer read as one text.
    constexpr double kMostSofter = 0.4;
    QColor softer = text;
    for (double share = 0.05; share <= kMostSofter + 1e-9; share += 0.05) {
        const QColor next = mixed(text, background, share);
        if (ratio(next, background) < kTextContrast)
            break;
        softer = next;
    }
    return softer;
}

std::optional<PaletteContrast::HelpColours> PaletteContrast::helpColours(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base), text = palette.color(QPalette::Text);
    if (luminance(base) >= luminance(text))
        return std::nullopt;
    // The palette's link colour, lightened towards the text until it reads as well
    // as text must.
    QColor heading = palette.color(QPalette::Link);
    for (double share = 0.1; ratio(heading, base) < kTextContrast && share <= 1.0; share += 0.1)
        heading = mixed(palette.color(QPalette::Link), text, share);
    return HelpColours{heading, mixed(base, text, 0.08), mixed(base, text, 0.16)};
}

QString PaletteContrast::helpStyleSheet(const QPalette& palette) {
    const std::optional<HelpColours> c = helpColours(palette);
    if (!c)
        return {};
    return QStringLiteral("\nh1, h2 { color: %1; }\npre { background-color: %2; }\n"
                          "th { background-color: %3; }\n")
        .arg(c->heading.name(), c->code.name(), c->tableHead.name());
}

} // namespace ulvanta
