#pragma once

#include "store/dictionary_catalog.h"

#include <QMenu>

namespace lexaro {

// The notification-area menu: open, the dictionary sub-menu, check for updates, exit.
class MainMenu : public QMenu
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget* parent = nullptr);

Q_SIGNALS:
    void openRequested();
    void dictionaryRequested(lexaro::DictionaryId id);
    void checkForUpdatesRequested();
    void exitRequested();

private:
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
    void addLine(QMenu* menu, int number);
};

} // namespace lexaro
