#include "window/fonts.hpp"

#include <QFontDatabase>
#include <cmath>

namespace window {

QStringList font_families(Typeface face) {
    if (face == Typeface::KaiTi) {
        return {"楷体_GB2312",       "KaiTi",
                "KaiTi_GB2312",      "AR PL UKai CN",
                "Noto Serif CJK SC", "Noto Sans CJK SC",
                "WenQuanYi Zen Hei"};
    }
    return {"宋体",
            "SimSun",
            "NSimSun",
            "AR PL UMing CN",
            "Noto Serif CJK SC",
            "Noto Sans CJK SC",
            "WenQuanYi Zen Hei"};
}

QStringList latin_families() {
    return {"DejaVu Serif", "Liberation Serif", "TeX Gyre Termes", "Times New Roman"};
}

namespace {

QString installed_family(const QStringList& candidates, const QStringList& installed) {
    for (const QString& family : candidates) {
        if (installed.contains(family)) return family;
    }
    return candidates.front();  // none here: Qt falls back as it can
}

}  // namespace

InstalledTypefaces installed_typefaces() {
    const QStringList installed = QFontDatabase::families();
    return {installed_family(font_families(Typeface::SongTi), installed),
            installed_family(font_families(Typeface::KaiTi), installed),
            installed_family(latin_families(), installed)};
}

QFont layout_font(const FontChoice& choice, const InstalledTypefaces& installed) {
    QFont font;
    font.setFamily(choice.face == Typeface::KaiTi ? installed.kai : installed.song);
    font.setPixelSize(static_cast<int>(std::lround(choice.points * 96.0 / 72.0)));
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace window
