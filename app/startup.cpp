#include "app/startup.hpp"

#include <QLibraryInfo>
#include <QTranslator>

namespace app {

bool use_chinese_toolkit_texts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

void prepare(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral(SIZING_PROGRAM_NAME));
    // Settings (the recent cases) go to ~/.config/heat-exchanger-sizing/, on Windows to the
    // registry under HKEY_CURRENT_USER\Software\heat-exchanger-sizing.
    QApplication::setOrganizationName(QStringLiteral(SIZING_PROGRAM_NAME));
    QApplication::setApplicationVersion(QStringLiteral(SIZING_VERSION));
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SIZING_APP_ID));
    use_chinese_toolkit_texts(application);
}

}  // namespace app
