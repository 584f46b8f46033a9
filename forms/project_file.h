#pragma once

#include <QObject>
#include <QString>
#include <string>

class QCloseEvent;

namespace forms {

class MainWindow;

// The File menu's project commands: "Novi", "Otvori...", "Sacuvaj", "Sacuvaj kao...". Where a
// project was opened or saved and has changed since, leaving it asks first; where none was, the
// program leaves as it always did, without a question.
class ProjectFile : public QObject {
public:
    explicit ProjectFile(MainWindow& main);

    void startNew();
    void chooseToOpen();
    bool save();
    void chooseWhereToSave();

    // All or nothing: a file that cannot be read is told, and no window changes.
    bool open(const QString& path);
    // Through a QSaveFile: a save that fails leaves the previous file as it was, and says why.
    bool saveTo(const QString& path);
    // Whether the open project may be left: unchanged, saved, or let go by the user.
    bool mayLeave();

    const QString& path() const { return m_path; }

private:
    // The project as it stands, written without the windows' frames: what makes it changed.
    std::string unframed() const;
    bool changed() const;
    // The path kept, and in the main window's title, "dvosistem.tav20 - Tav20".
    void setPath(const QString& path);
    void warn(const QString& message) const;

    MainWindow& m_main;
    QString m_path;       // the project opened or saved; empty where none was
    std::string m_saved;  // the project as it was then, written without the windows' frames
};

}  // namespace forms
