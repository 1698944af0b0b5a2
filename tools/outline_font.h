#pragma once
// A font file read as outlines: glyphs and lines of text become painter paths,
// so drawing depends on nothing but the file (no font database, no display).
#include <QPainterPath>
#include <QRawFont>
#include <QString>

namespace kelo::datatree {

class OutlineFont {
public:
    // Throws std::runtime_error when the file cannot be read as a font.
    explicit OutlineFont(const char* fontFile);

    // Outline of one character at a size of 1000 pixels to the em, origin on the baseline.
    // Throws when the font has no glyph for it.
    QPainterPath glyph(char32_t codePoint) const;

    // A line of text, kerned, at `pixelSize` pixels to the em, starting at (0, 0) on the baseline.
    QPainterPath text(const QString& line, double pixelSize) const;

private:
    QRawFont font_;
    QString file_;
};

}  // namespace kelo::datatree
