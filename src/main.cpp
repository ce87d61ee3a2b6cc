#include "app/AppConstants.h"
#include "app/FieldDefinitionStore.h"
#include "app/MainFrame.h"
#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "view/EinheitspapierView.h"

#include <QApplication>
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
    auto* view = new CEinheitspapierView(doc, fieldDefinitions);
    view->OnInitialUpdate();
    frame.AddDocumentWindow(view, QStringLiteral("VuRiviT2L1"));
    frame.showMaximized();
    return app.exec();
}
