#include "app/VelmoraImportApp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora-T2L"));
    QApplication::setOrganizationName(QStringLiteral("Brennik"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    // Qt's own dialogs and buttons in German.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    CVelmoraImportApp velmora;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!velmora.InitInstance(arguments))
        return velmora.ExitCode();
    return app.exec();
}
