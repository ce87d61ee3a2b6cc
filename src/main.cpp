#include "app/AppConstants.h"
#include "app/FieldDefinitionStore.h"
#include "app/MainFrame.h"
#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppConstants::kApplicationTitle);
    QApplication::setOrganizationName(AppConstants::kCompanyKey);

    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    const CSettingsStore profile = CSettingsStore::Profile();
    CRegeditManagment library;
    const auto version = library.InitFromApp(AppConstants::kVersionText, AppConstants::kBuildDate,
                                             QApplication::applicationFilePath());
    if (!version.found)
        QMessageBox::critical(nullptr, AppConstants::kApplicationTitle, QStringLiteral("ERROR"));
    CFieldDefinitions fieldDefinitions;
    FieldDefinitionStore::Load(fieldDefinitions, profile, library);

    CMainFrame frame;
    CEinheitspapierDoc doc(profile);
    doc.OnNewDocument();
    doc.InitialUpdate();
    // The form view takes this place once it exists.
    auto* placeholder = new QLabel(QStringLiteral("Einheitspapier T2L"));
    placeholder->setAlignment(Qt::AlignCenter);
    frame.AddDocumentWindow(placeholder, QStringLiteral("VuRiviT2L1"));
    frame.showMaximized();
    return app.exec();
}
