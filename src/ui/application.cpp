// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <iostream>

#include "tariffs/table_sets.h"
#include "ui/accessible_controls.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/maker_look.h"
#include "ui/svg_icon_engine.h"

// The pictures are compiled into this static library; the linker keeps them only when asked for.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace isr {

void LoadQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

void SetUpApplication(QApplication& app) {
    InitResources();
    LoadQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("isr2016"));
    QApplication::setApplicationVersion(QStringLiteral(ISR2016_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(app.style()->standardPalette());
    QApplication::setWindowIcon(QIcon(new SvgIconEngine(kIconResource)));
    RegisterSubstituteFonts();
    MakeWindowFontTheDefault();
    InstallAccessibleInterfaces();
}

namespace {

constexpr int kExitUsage = 2;

// "Pruebe ..." after the problem, as for every mistake on the command line.
int UsageError(const QString& problem) {
    std::cerr << "isr2016: " << problem.toStdString()
              << "\nPruebe \"isr2016 --help\" para más información.\n";
    return kExitUsage;
}

// The help or the version on the standard output, checked: a full disk or a closed stream is a
// failure (QCommandLineParser's own showHelp would report success).
int Answer(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::cout.write(bytes.constData(), bytes.size());
    std::cout.flush();
    if (std::cout) return 0;
    std::cerr << "isr2016: no se pudo escribir la salida\n";
    return kExitUsage;
}

}  // namespace

std::variant<const TableSet*, int> TableSetFromCommandLine(const QCoreApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("isr2016"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ISR2016_VERSION));
    QStringList names;
    for (const TableSet* set : AllTableSets()) names << ToQString(set->Name());
    QCommandLineParser parser;
    // Qt's own options ("-platform offscreen") are single words after one dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Calcula el ISR a retener sobre salarios con las tarifas de 2016."));
    // Not addHelpOption(): Qt's Spanish texts leave its descriptions in English, and its
    // --help-all lists Qt's own options.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Muestra esta ayuda y termina."));
    parser.addOption(helpOption);
    parser.addVersionOption();
    const QCommandLineOption tablesOption(
        QStringLiteral("tablas"),
        QStringLiteral("Las tablas del cálculo: %1 (por omisión, %2).")
            .arg(names.join(QStringLiteral(", ")), names.front()),
        QStringLiteral("nombre"));
    parser.addOption(tablesOption);
    // The options QGuiApplication and QApplication take for themselves once they exist: known
    // here, so that they are no unknown option, and left out of the help.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "style", "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("x"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    if (!parser.parse(app.arguments())) {
        // The argument as typed ("--xml"), not the bare name the parser keeps.
        QString problem = parser.errorText();
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().front();
            for (const QString& arg : app.arguments().mid(1)) {
                const QString bare = arg.section(QLatin1Char('='), 0, 0);
                if (bare == QLatin1Char('-') + name || bare == QStringLiteral("--") + name) {
                    problem = QStringLiteral("opción desconocida: \"%1\"").arg(arg);
                    break;
                }
            }
        }
        return UsageError(problem);
    }
    if (parser.isSet(helpOption)) return Answer(parser.helpText());
    if (parser.isSet(QStringLiteral("version"))) {
        return Answer(QCoreApplication::applicationName() + QLatin1Char(' ') +
                      QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    }
    // The window opens no file: a name given to it would be silently ignored.
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(
            QStringLiteral("argumento de más: \"%1\"").arg(parser.positionalArguments().front()));
    }
    if (!parser.isSet(tablesOption)) return &DefaultTableSet();
    const QString name = parser.value(tablesOption);
    const TableSet* set = FindTableSet(name.toStdString());
    if (set == nullptr) {
        std::cerr << "isr2016: tablas desconocidas: \"" << name.toStdString() << "\" ("
                  << names.join(QStringLiteral(", ")).toStdString() << ")\n";
        return kExitUsage;
    }
    return set;
}

void CentreOnScreen(QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    window.move(area.center() - window.rect().center());
}

}  // namespace isr
