// Every text of the windows is drawn in the program's own Liberation Sans, at
// its design advances, whatever fonts the desktop has and however it hints
// them (CI runs these tests again under full hinting and with the desktop's
// Liberation fonts rejected).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QRawFont>
#include <cmath>
#include <cstddef>
#include <string>

#include "platform/canvas.h"
#include "platform/controls.h"
#include "tests/platform/test_form.h"

extern const unsigned char LiberationSansRegularBytes[];
extern const std::size_t LiberationSansRegularBytesSize;
extern const unsigned char LiberationSansBoldBytes[];
extern const std::size_t LiberationSansBoldBytesSize;

namespace {

// Design advances are kept in 1/64 px; a hinted advance is off by up to half
// a pixel a glyph.
constexpr double AdvanceTolerance = 1.0 / 64;  // px a glyph

QByteArray ProgramFont(bool bold) {
    const unsigned char* bytes = bold ? LiberationSansBoldBytes : LiberationSansRegularBytes;
    const std::size_t size = bold ? LiberationSansBoldBytesSize : LiberationSansRegularBytesSize;
    return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes),
                                   static_cast<qsizetype>(size));
}

// The width of `text` at the program font's design advances, read from the
// font file alone.
double DesignWidth(bool bold, int pixelSize, const QString& text) {
    const QRawFont raw(ProgramFont(bold), pixelSize, QFont::PreferNoHinting);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    double width = 0;
    for (const QPointF& advance : raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics))
        width += advance.x();
    return width;
}

struct FontRow {
    const char* what;
    std::string name;  // as a window description or a canvas names it
    int height;        // px
    bool bold;
};

const FontRow Rows[] = {
    {"window default", "", 11, false}, {"MS Sans Serif bold", "MS Sans Serif", 13, true},
    {"Arial", "Arial", 16, false},     {"Arial bold", "Arial", 19, true},
    {"Tahoma", "Tahoma", 11, false},   {"Microsoft Sans Serif", "Microsoft Sans Serif", 11, false},
};

const QString Sample = "Ballistic Coefficient: -500 mm";

TEST(ProgramFonts, ControlsDrawInTheProgramsOwnFontAtItsDesignAdvances) {
    for (const FontRow& row : Rows) {
        FormDescription d{.name = "fonts"};
        d.controls.push_back({.name = "Label1", .caption = "x"});
        if (!row.name.empty() || row.bold || row.height != 11)
            d.controls.back().font =
                FontSpec{.name = row.name, .height = row.height, .bold = row.bold};
        TestForm form(d);
        const QFont font = form.Find<TLabel>("Label1")->Widget()->font();
        EXPECT_EQ(QRawFont::fromFont(font).fontTable("head"),
                  QRawFont(ProgramFont(row.bold), row.height).fontTable("head"))
            << row.what;
        EXPECT_NEAR(QFontMetricsF(font).horizontalAdvance(Sample),
                    DesignWidth(row.bold, row.height, Sample), AdvanceTolerance * Sample.size())
            << row.what;
    }
}

TEST(ProgramFonts, CanvasesDrawInTheProgramsOwnFontAtItsDesignAdvances) {
    for (const FontRow& row : Rows) {
        if (row.name.empty()) continue;
        TPicture picture;
        picture.SetSize(8, 8);
        TCanvas* canvas = picture.Canvas();
        canvas->Font = TFont{.Name = row.name, .Bold = row.bold, .Height = row.height};
        // The canvas measures whole pixels.
        EXPECT_LE(std::abs(canvas->TextWidth(Sample.toStdString()) -
                           DesignWidth(row.bold, row.height, Sample)),
                  0.5 + AdvanceTolerance * Sample.size())
            << row.what;
    }
}

}  // namespace
