#include "Help.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace {

Help::OpenFunction g_open;

} // namespace

namespace Help {

void SetOpenFunction(OpenFunction f)
{
    g_open = std::move(f);
}

void Open(QWidget* parent)
{
    if (g_open)
        g_open(parent);
}

void InstallHelpKey(QWidget* window)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window] { Open(window); });
}

} // namespace Help
