#pragma once

#include "common/registry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QWidget>

class QFileSystemModel;
class HorsePicture;

// Backup and restore: copies the logged-in player's profile into a folder of the player's
// choosing, and copies such a backup set back over the logged-in player's profile.
class Form7 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form7)

public:
    explicit Form7(QWidget *parent = nullptr);
    ~Form7() override;

    // The folder the folder tree has open: where a backup goes and a restore comes from.
    QString folderPath() const;
    // Opens `path` in the folder tree, as a player choosing it would.
    void chooseFolder(const QString &path);

    QLabel *Label1;          // "Select Where To Backup or Restore Your Files To/From:"
    QComboBox *Drive1;       // the mounted volumes; data = the volume's root folder
    QTreeView *Dir1;         // folder tree; its current folder is the backup folder
    QLabel *Label2;          // "Files Location:"
    QLineEdit *Text1;        // the backup folder, shown after every change; read-only
    QPushButton *cmdbackup;  // "Back Up Data"
    QPushButton *cmdrestore; // "Restore Data"
    QPushButton *Command1;   // "&Close"
    QLineEdit *Text3;        // transfer box: the player's name on its way into the backup; hidden
    HorsePicture *Picture1;  // decoration

public slots:
    void cmdbackup_Click();
    void cmdrestore_Click();
    void Command1_Click();
    void Drive1_Change();
    void Dir1_Change();

private:
    // The mount points of the drive list.
    QStringList driveRoots() const;

    QFileSystemModel *m_folders; // the run's one folder model, not this window's
};
