#include "form7.h"

#include "common/dialogs.h"
#include "common/globals.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/services.h"
#include "common/valuefile.h"
#include "mainwindow/form2.h"
#include "mounttable.h"
#include "races/racepictures.h"
#include "userprofile.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <optional>

namespace {

const QString SlotFile = QStringLiteral("\\userbackup.hor");
const QString NameFile = QStringLiteral("\\usern.hor");

// The slot field's number when it holds exactly "1".."5"; UserSlot follows it, and keeps
// its value when the field holds anything else.
int chooseSlot(const Form2 *main)
{
    for (int slot = 1; slot <= 5; ++slot) {
        if (main->Label23->text() == QString::number(slot)) {
            UserSlot = static_cast<qint16>(slot);
            break;
        }
    }
    return UserSlot;
}

QString inFolder(const QString &folder, const QString &file)
{
    QString name = file;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(folder).filePath(name.mid(1));
}

// A file of the backup set by its slot and suffix: "\user4cash.hor".
QString setFile(int slot, const QString &suffix)
{
    return QStringLiteral("\\user%1%2").arg(slot).arg(suffix);
}

// A value of the backup set; nothing when the file is missing, unreadable or holds no line.
std::optional<QString> readSetValue(const QString &path)
{
    // No line of a value file can hold a line break, so this text is never read back.
    const QString noLine = QStringLiteral("\n");
    QString value = noLine;
    if (!ValueFile::read(path, value) || value == noLine)
        return std::nullopt;
    return value;
}

// The folder tree's model, one for the whole run and never destroyed. It lists folders on a
// thread of its own, which a volume that has stopped answering (a dead network mount beside a
// folder it lists) may catch for good, and destroying a model waits for that thread: neither
// closing the window nor the game's end may wait on it.
QFileSystemModel *folderModel()
{
    static QFileSystemModel *const model = [] {
        auto *made = new QFileSystemModel;
        made->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
        made->setReadOnly(true);
        made->setRootPath(QDir::rootPath());
        return made;
    }();
    return model;
}

void reportUnwritable(const QString &folder)
{
    msgBox(QStringLiteral("The files could not be written: the folder %1 cannot be written to.")
               .arg(QDir::toNativeSeparators(folder)),
           MsgIcon::Critical);
}

} // namespace

Form7::Form7(QWidget *parent)
    : QWidget(parent),
      Label1(new QLabel(QStringLiteral("Select Where To Backup or Restore Your Files To/From:"),
                        this)),
      Drive1(new QComboBox(this)), Dir1(new QTreeView(this)),
      Label2(new QLabel(QStringLiteral("Files Location:"), this)), Text1(new QLineEdit(this)),
      cmdbackup(new QPushButton(QStringLiteral("Back Up Data"), this)),
      cmdrestore(new QPushButton(QStringLiteral("Restore Data"), this)),
      Command1(new QPushButton(QStringLiteral("&Close"), this)),
      Text3(new QLineEdit(QStringLiteral("Text3"), this)), Picture1(new HorsePicture(4, this)),
      m_folders(folderModel())
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QString());
    Label1->setObjectName(QStringLiteral("Label1"));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1->setObjectName(QStringLiteral("Text1"));
    cmdbackup->setObjectName(QStringLiteral("cmdbackup"));
    cmdrestore->setObjectName(QStringLiteral("cmdrestore"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Text3->setObjectName(QStringLiteral("Text3"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Text3->hide();
    Text1->setReadOnly(true);
    Label2->setBuddy(Text1);
    Picture1->setFixedSize(120, 76);

    // Nothing here asks a volume anything: the list comes from the mount table alone, so a
    // volume that has stopped answering cannot hold the window before it opens.
    for (const MountedVolume &volume : mountedVolumes()) {
        const QString root = QDir::toNativeSeparators(volume.root);
        Drive1->addItem(volume.label.isEmpty() ? root
                                               : QStringLiteral("%1 (%2)").arg(root, volume.label),
                        volume.root);
    }

    Dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->setHeaderHidden(true);
    Dir1->setMinimumSize(320, 240);

    // With no choice made yet the tree stands at the current folder, on its own volume.
    const QString current = QDir::currentPath();
    const int here = Drive1->findData(volumeRootOf(current, driveRoots()));
    if (here >= 0)
        Drive1->setCurrentIndex(here);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdbackup);
    buttons->addWidget(cmdrestore);
    buttons->addStretch();
    buttons->addWidget(Picture1, 0, Qt::AlignHCenter);
    buttons->addWidget(Command1);

    auto *location = new QHBoxLayout;
    location->addWidget(Label2);
    location->addWidget(Text1, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(Drive1);
    left->addWidget(Dir1, 1);
    left->addLayout(location);

    auto *outer = new QHBoxLayout(this);
    outer->addLayout(left, 1);
    outer->addLayout(buttons);

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, cmdbackup);
    setTabOrder(cmdbackup, cmdrestore);
    setTabOrder(cmdrestore, Command1);

    connect(cmdbackup, &QPushButton::clicked, this, &Form7::cmdbackup_Click);
    connect(cmdrestore, &QPushButton::clicked, this, &Form7::cmdrestore_Click);
    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Drive1, &QComboBox::activated, this, &Form7::Drive1_Change);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Form7::Dir1_Change);
    // The tree fills in as folders are read: once the folders leading to the chosen one are
    // there, it is brought into view.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        const QString chosen = folderPath();
        const QString below =
            loaded.endsWith(QLatin1Char('/')) ? loaded : loaded + QLatin1Char('/');
        if (chosen == loaded || chosen.startsWith(below))
            Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    // The current folder may be on a volume that has stopped answering too.
    if (services().canReadFolder(current))
        chooseFolder(current);
    // Nothing has been chosen yet: the location box stays empty until the player chooses.
    Text1->clear();

    resize(560, 380);
    centreOnScreen(this);
}

Form7::~Form7() = default;

QString Form7::folderPath() const
{
    const QModelIndex current = Dir1->currentIndex();
    return current.isValid() ? m_folders->filePath(current) : QDir::currentPath();
}

void Form7::chooseFolder(const QString &path)
{
    const QModelIndex index = m_folders->index(path);
    if (!index.isValid())
        return;
    Dir1->setRootIndex(m_folders->index(volumeRootOf(path, driveRoots())));
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QStringList Form7::driveRoots() const
{
    QStringList roots;
    for (int i = 0; i < Drive1->count(); ++i)
        roots << Drive1->itemData(i).toString();
    return roots;
}

void Form7::Drive1_Change()
{
    const QString root = Drive1->currentData().toString();
    // A volume that cannot be read, or does not answer soon, leaves the tree where it was. It is
    // asked before the tree touches it: the tree asks on this thread, and would wait for good.
    if (!services().canReadFolder(root))
        return;
    const QModelIndex index = m_folders->index(root);
    if (!index.isValid())
        return;
    Dir1->setRootIndex(index);
    Dir1->setCurrentIndex(index);
}

void Form7::Dir1_Change()
{
    Text1->setText(QDir::toNativeSeparators(folderPath()));
}

void Form7::Command1_Click()
{
    unload(this);
}

void Form7::cmdbackup_Click()
{
    const Form2 *main = loadedForm<Form2>();
    if (!main)
        return;
    const int k = chooseSlot(main);
    const QString folder = folderPath();

    const QString nameFile = gamePath(UserProfile::file(k, UserProfile::Name));
    QString name = Text3->text();
    if (!ValueFile::read(nameFile, name)) {
        msgBox(QStringLiteral("The player's name could not be read from %1, so nothing was "
                              "backed up.")
                   .arg(QDir::toNativeSeparators(nameFile)),
               MsgIcon::Critical);
        return;
    }
    Text3->setText(name);
    msgBox(QStringLiteral("Backing Up data for: ") + Text3->text());

    // The values are the main window's as they stand now, saved or not.
    main = loadedForm<Form2>();
    if (!main)
        return;
    const QStringList values = {main->Text1->text(),   main->Text2->text(),   main->Label16->text(),
                                main->Option1->text(), main->Option2->text(), main->Option3->text(),
                                main->Option4->text(), main->Option5->text()};
    QList<ValueFile::Entry> files = {{inFolder(folder, SlotFile), numberText(k)},
                                     {inFolder(folder, NameFile), Text3->text()}};
    const QStringList suffixes = UserProfile::savedSuffixes();
    for (int i = 0; i < suffixes.size(); ++i)
        files.append({inFolder(folder, setFile(k, suffixes[i])), values[i]});
    if (!ValueFile::writeAll(files)) {
        reportUnwritable(folder);
        return;
    }
    msgBox(QStringLiteral("Back Up Completed Successfully"));
}

void Form7::cmdrestore_Click()
{
    const QString folder = folderPath();
    const auto notFound = [] {
        msgBox(QStringLiteral("Backed Up Data Not Found"), MsgIcon::Critical);
    };

    // A backup that a crash broke off is finished or dropped first, so that the set read is
    // one backup, never two halves.
    ValueFile::finishInterruptedSet(folder);
    // The whole set is read before anything is written: a set with a file missing restores
    // nothing at all.
    const std::optional<QString> slotText = readSetValue(inFolder(folder, SlotFile));
    const std::optional<qint32> s = slotText ? toWhole(*slotText) : std::nullopt;
    if (!s || *s < 1 || *s > 5) {
        notFound();
        return;
    }
    Form2 *main = loadedForm<Form2>();
    if (!main)
        return;
    const int c = chooseSlot(main);
    if (c < 1 || c > 5)
        return;
    const std::optional<QString> name = readSetValue(inFolder(folder, NameFile));
    if (!name) {
        notFound();
        return;
    }
    QList<ValueFile::Entry> files = {{gamePath(UserProfile::file(c, UserProfile::Name)), *name}};
    for (const QString &suffix : UserProfile::savedSuffixes()) {
        const std::optional<QString> value = readSetValue(inFolder(folder, setFile(*s, suffix)));
        if (!value) {
            notFound();
            return;
        }
        files.append({gamePath(UserProfile::file(c, suffix)), *value});
    }
    Text3->setText(*name);

    msgBox(QStringLiteral("Now restoring user ") + *name
               + QStringLiteral(" Data, to the current user"),
           MsgIcon::Information);
    if (!ValueFile::writeAll(files)) {
        msgBox(QStringLiteral("The backup could not be restored: the folder %1 cannot be "
                              "written to. Your profile is as it was.")
                   .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\data")))),
               MsgIcon::Critical);
        return;
    }
    // From here the files hold what the next start loads; a race settling under the last box
    // must not write the old values back over them.
    if ((main = loadedForm<Form2>()))
        main->stopSaving();
    msgBox(QStringLiteral("All Data Restored Successfully, stallix must now restart!"),
           MsgIcon::Information);
    services().programEnd();
}
