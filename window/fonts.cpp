#include "window/fonts.hpp"

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

QFont layout_font(const FontChoice& choice) {
    QFont font;
    font.setFamilies(font_families(choice.face));
    font.setPixelSize(static_cast<int>(std::lround(choice.points * 96.0 / 72.0)));
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace window
