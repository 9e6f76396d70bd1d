#include "shell/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace fc {

namespace {

const QString kResourceDir = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("function-curves_");

struct Installed {
    bool set = false;
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed state;
    return state;
}

// "de" of "de-AT", "de_DE.UTF-8" or "de".
QString languageOf(const QString &name)
{
    return name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

}  // namespace

QStringList availableLanguages()
{
    QStringList codes;
    const QStringList files = QDir(kResourceDir).entryList({kPrefix + QStringLiteral("*.qm")});
    for (const QString &file : files)
        codes << file.mid(kPrefix.size()).section(QLatin1Char('.'), 0, 0);
    return codes;
}

QString chooseLanguage(const QStringList &arguments, const QStringList &desktop)
{
    const QStringList available = availableLanguages();
    const qsizetype option = arguments.indexOf(QStringLiteral("--language"));
    if (option >= 0 && option + 1 < arguments.size())
        return languageOf(arguments[option + 1]);
    // English is among the desktop's languages though no translation names it.
    for (const QString &name : desktop) {
        const QString code = languageOf(name);
        if (code == QLatin1String("en") || available.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

bool setLanguage(const QString &code)
{
    Installed &state = installed();
    state.set = true;
    if (state.program)
        QCoreApplication::removeTranslator(state.program.get());
    if (state.qt)
        QCoreApplication::removeTranslator(state.qt.get());
    state.program.reset();
    state.qt.reset();
    state.code = QStringLiteral("en");
    QLocale::setDefault(QLocale::system());
    if (code == QLatin1String("en"))
        return true;

    auto program = std::make_unique<QTranslator>();
    if (!program->load(kPrefix + code, kResourceDir))
        return false;
    QCoreApplication::installTranslator(program.get());
    state.program = std::move(program);
    // Qt's own dialogs (file, print) speak the language where its translations are
    // installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    state.code = code;
    // Numbers for a reader in the language's own way, unless the desktop's locale
    // already speaks it (and so knows the country's way).
    if (languageOf(QLocale::system().name()) != code)
        QLocale::setDefault(QLocale(code));
    return true;
}

void setChosenLanguageOnce(const QStringList &arguments)
{
    if (!installed().set)
        setLanguage(chooseLanguage(arguments));
}

QString currentLanguage()
{
    return installed().code;
}

}  // namespace fc
