#include "app/FileAssociationQuery.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <map>
#include <set>

namespace dw {

namespace {

// The groups of a desktop-entry style file (desktop files, mimeapps.list): group -> key ->
// value. Comments and blank lines are skipped; the first value of a key counts.
using IniGroups = std::map<QString, std::map<QString, QString>>;

IniGroups ReadIniGroups(const QString& path) {
    IniGroups groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return groups;
    QString group;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.mid(1, line.size() - 2);
            groups[group];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || group.isEmpty()) continue;
        groups[group].emplace(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return groups;
}

QStringList SplitList(const QString& value) {
    QStringList items = value.split(u';', Qt::SkipEmptyParts);
    for (QString& item : items) item = item.trimmed();
    items.removeAll(QString());
    return items;
}

std::vector<std::string> SplitPathList(const QByteArray& value, const char* fallback) {
    const QString text = QString::fromLocal8Bit(value.isEmpty() ? QByteArray(fallback) : value);
    std::vector<std::string> folders;
    for (const QString& part : text.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(part)) folders.push_back(part.toStdString());
    }
    return folders;
}

std::string HomeOr(const char* variable, const char* belowHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value.toStdString();
    return (QDir::homePath() + u'/' + QLatin1String(belowHome)).toStdString();
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The data folders in order of precedence: the user's first.
std::vector<std::string> DataFolders(const XdgFolders& folders) {
    std::vector<std::string> all{folders.dataHome};
    all.insert(all.end(), folders.dataDirs.begin(), folders.dataDirs.end());
    return all;
}

// The type that a mime/packages/*.xml file gives to glob, or "".
QString TypeInPackage(const QString& path, const QString& glob) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QXmlStreamReader xml(&file);
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"mime-type") {
            type = xml.attributes().value(QLatin1String("type")).toString();
        } else if (xml.name() == u"glob" && !type.isEmpty() &&
                   xml.attributes()
                           .value(QLatin1String("pattern"))
                           .compare(glob, Qt::CaseInsensitive) == 0) {
            return type;
        }
    }
    return QString();
}

// The type that a compiled mime/globs2 file ("weight:type:glob[:flags]") gives to glob.
QString TypeInGlobs2(const QString& path, const QString& glob) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u':');
        if (fields.size() >= 3 && fields[2].compare(glob, Qt::CaseInsensitive) == 0)
            return fields[1];
    }
    return QString();
}

bool ProgramExists(const QString& program) {
    if (QDir::isAbsolutePath(program)) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool IsUsableApplication(const IniGroups& desktopFile) {
    const auto entry = desktopFile.find(QStringLiteral("Desktop Entry"));
    if (entry == desktopFile.end()) return false;
    const auto value = [&](const char* key) {
        const auto it = entry->second.find(QLatin1String(key));
        return it == entry->second.end() ? QString() : it->second;
    };
    if (value("Hidden") == u"true" || value("Exec").isEmpty()) return false;
    const QString type = value("Type");
    if (!type.isEmpty() && type != u"Application") return false;
    const QString tryExec = value("TryExec");
    return tryExec.isEmpty() || ProgramExists(tryExec);
}

// Every desktop file of the applications folders by its id; the first of an id counts.
std::map<QString, QString> DesktopFilesById(const XdgFolders& folders) {
    std::map<QString, QString> files;
    for (const std::string& data : DataFolders(folders)) {
        const QString root = Q(data) + QStringLiteral("/applications");
        QDirIterator it(root, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QString id = QDir(root).relativeFilePath(path);
            id.replace(u'/', u'-');
            files.emplace(id, path);
        }
    }
    return files;
}

// The mimeapps.list files in order of precedence.
std::vector<QString> MimeAppsLists(const XdgFolders& folders) {
    std::vector<QString> lists;
    const auto add = [&](const QString& folder) {
        for (const std::string& desktop : folders.desktops)
            lists.push_back(folder + u'/' + Q(desktop) + QStringLiteral("-mimeapps.list"));
        lists.push_back(folder + QStringLiteral("/mimeapps.list"));
    };
    add(Q(folders.configHome));
    for (const std::string& dir : folders.configDirs) add(Q(dir));
    add(Q(folders.dataHome) + QStringLiteral("/applications"));
    for (const std::string& dir : folders.dataDirs) add(Q(dir) + QStringLiteral("/applications"));
    return lists;
}

}  // namespace

XdgFolders CurrentXdgFolders() {
    XdgFolders folders;
    folders.dataHome = HomeOr("XDG_DATA_HOME", ".local/share");
    folders.dataDirs = SplitPathList(qgetenv("XDG_DATA_DIRS"), "/usr/local/share:/usr/share");
    folders.configHome = HomeOr("XDG_CONFIG_HOME", ".config");
    folders.configDirs = SplitPathList(qgetenv("XDG_CONFIG_DIRS"), "/etc/xdg");
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        folders.desktops.push_back(desktop.toLower().toStdString());
    return folders;
}

std::string MimeTypeOfGlob(const XdgFolders& folders, const std::string& glob) {
    for (const std::string& data : DataFolders(folders)) {
        const QString mime = Q(data) + QStringLiteral("/mime");
        QString type = TypeInGlobs2(mime + QStringLiteral("/globs2"), Q(glob));
        const QStringList packages =
            QDir(mime + QStringLiteral("/packages"))
                .entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
        for (qsizetype i = 0; type.isEmpty() && i < packages.size(); ++i)
            type = TypeInPackage(mime + QStringLiteral("/packages/") + packages[i], Q(glob));
        if (!type.isEmpty()) return type.toStdString();
    }
    return std::string();
}

std::string FindDesktopFile(const XdgFolders& folders, const std::string& desktopId) {
    const std::map<QString, QString> files = DesktopFilesById(folders);
    const auto it = files.find(Q(desktopId));
    return it == files.end() ? std::string() : it->second.toStdString();
}

bool HasAssociatedApplication(const XdgFolders& folders, const std::string& mimeType) {
    const QString type = Q(mimeType);
    std::set<QString> named;
    std::set<QString> removed;
    for (const QString& list : MimeAppsLists(folders)) {
        const IniGroups groups = ReadIniGroups(list);
        for (const auto& [group, into] :
             {std::pair<const char*, std::set<QString>*>{"Default Applications", &named},
              {"Added Associations", &named},
              {"Removed Associations", &removed}}) {
            const auto g = groups.find(QLatin1String(group));
            if (g == groups.end()) continue;
            const auto entry = g->second.find(type);
            if (entry == g->second.end()) continue;
            for (const QString& id : SplitList(entry->second)) into->insert(id);
        }
    }
    for (const auto& [id, path] : DesktopFilesById(folders)) {
        if (removed.count(id) != 0) continue;
        const IniGroups desktopFile = ReadIniGroups(path);
        if (!IsUsableApplication(desktopFile)) continue;
        if (named.count(id) != 0) return true;
        const auto& entry = desktopFile.at(QStringLiteral("Desktop Entry"));
        const auto mimeTypes = entry.find(QStringLiteral("MimeType"));
        if (mimeTypes != entry.end() && SplitList(mimeTypes->second).contains(type)) return true;
    }
    return false;
}

}  // namespace dw
