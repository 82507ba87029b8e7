#pragma once
#include <QList>
#include <QString>

// The files in which earlier generations of the application kept their
// saved comics, in the Documents folder of the application home, each
// with the layout its generation gave its comics.
namespace OldComicFiles {

enum class Generation {
    PhonePanels,  // "Panels": a list of panels holding the objects
    TabletCanvas, // "Panels": one tall canvas, "TotalPanels" rows
    SingleCanvas, // "Comic": one canvas whose height gives the rows
    PanelList,    // "Comic": the panels as the current format lays them out
};

struct File {
    QString name;
    Generation generation;
    // The name it is moved to once its comics are in the user database.
    QString importedName() const { return QStringLiteral("Imported") + name; }
};

// In the order they are looked for and imported.
const QList<File> &files();
// True when at least one of them is there.
bool anyPresent();

}
