#include "app/FileAssociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include "app/FileAssociationQuery.h"
#include "platform/ProgramPaths.h"

namespace dw {

namespace {

constexpr char kIconName[] = "dialwright";
constexpr char kMimePackageFile[] = "dialwright.xml";
constexpr int kToolTimeoutMs = 10000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

// Runs a desktop database tool on a folder when the tool is installed; its result does not
// matter (the desktop reads the source files too).
void RunToolIfPresent(const char* tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
    if (program.isEmpty()) return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, {folder});
    if (process.waitForStarted() && !process.waitForFinished(kToolTimeoutMs)) process.kill();
    process.waitForFinished(kToolTimeoutMs);
}

// Makes id the first default and added application of mimeType in a mimeapps.list, keeping
// everything else of the file as it is.
QByteArray WithDefaultApplication(const QByteArray& original, const QString& mimeType,
                                  const QString& id) {
    QStringList lines = QString::fromUtf8(original).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (const QString group :
         {QStringLiteral("[Default Applications]"), QStringLiteral("[Added Associations]")}) {
        qsizetype header = lines.indexOf(group);
        if (header < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines.append(QString());
            lines.append(group);
            header = lines.size() - 1;
        }
        qsizetype end = header + 1;
        while (end < lines.size() && !lines[end].trimmed().startsWith(u'[')) ++end;
        bool found = false;
        for (qsizetype i = header + 1; i < end && !found; ++i) {
            const qsizetype equals = lines[i].indexOf(u'=');
            if (equals <= 0 || lines[i].left(equals).trimmed() != mimeType) continue;
            QStringList ids = lines[i].mid(equals + 1).split(u';', Qt::SkipEmptyParts);
            ids.removeAll(id);
            ids.prepend(id);
            lines[i] = mimeType + u'=' + ids.join(u';') + u';';
            found = true;
        }
        if (!found) lines.insert(end, mimeType + u'=' + id + u';');
    }
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QString IconFor(const std::string& programFile) {
    const QString beside = QFileInfo(Q(programFile)).absolutePath() + u'/' +
                           QLatin1String(kIconName) + QStringLiteral(".svg");
    return QFileInfo::exists(beside) ? beside : QLatin1String(kIconName);
}

}  // namespace

std::string DesktopExecArgument(const std::string& argument) {
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string text;
    for (char c : argument) text += c == '%' ? std::string("%%") : std::string(1, c);
    if (!text.empty() && text.find_first_of(reserved) == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    // The desktop file's own string escape comes on top: every backslash is doubled.
    std::string escaped;
    for (char c : quoted) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped;
}

std::string DesktopFileText(const std::string& programFile, const std::string& iconFile,
                            const std::string& mimeTypes) {
    const std::string program = DesktopExecArgument(programFile);
    std::string text = "[Desktop Entry]\nType=Application\nName=Dialwright\n";
    text += "GenericName=Gauge Editor\nComment=Edit and play cockpit instrument gauges\n";
    text += "Icon=" + (iconFile.empty() ? std::string(kIconName) : iconFile) + "\n";
    if (programFile.find('/') != std::string::npos) text += "TryExec=" + programFile + "\n";
    text += "Exec=" + program + " %f\nTerminal=false\nCategories=Graphics;Qt;\n";
    text += "MimeType=" + mimeTypes + "\nActions=Edit;Play;\n";
    text += "\n[Desktop Action Edit]\nName=Edit with Dialwright\nExec=" + program + " %f\n";
    text += "\n[Desktop Action Play]\nName=Play with Dialwright\nExec=" + program + " /p %f\n";
    return text;
}

std::string MimePackageText() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           kGaugeMimeType +
           "\">\n"
           "    <comment>ZEKO Gauge</comment>\n"
           "    <sub-class-of type=\"application/xml\"/>\n"
           "    <icon name=\"dialwright\"/>\n"
           "    <glob pattern=\"" +
           kGaugeGlob +
           "\"/>\n"
           "    <root-XML namespaceURI=\"http://dialwright.example/schema/gauge\" "
           "localName=\"gauge\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

FileTypeRegistration RegisterGaugeFileType(const std::string& programFile) {
    return RegisterGaugeFileType(CurrentXdgFolders(), programFile);
}

FileTypeRegistration RegisterGaugeFileType(const XdgFolders& folders,
                                           const std::string& programFile) {
    const std::string program = programFile.empty() ? ProgramFile() : programFile;
    const std::string knownType = MimeTypeOfGlob(folders, kGaugeGlob);
    const std::string type = knownType.empty() ? std::string(kGaugeMimeType) : knownType;
    if (HasAssociatedApplication(folders, type)) return FileTypeRegistration::AlreadyAssociated;
    if (program.empty()) return FileTypeRegistration::Failed;

    bool ok = true;
    const QString dataHome = Q(folders.dataHome);
    if (knownType.empty()) {
        ok &= WriteWholeFile(
            dataHome + QStringLiteral("/mime/packages/") + QLatin1String(kMimePackageFile),
            QByteArray::fromStdString(MimePackageText()));
        RunToolIfPresent("update-mime-database", dataHome + QStringLiteral("/mime"));
    }
    std::string mimeTypes = type + ";";
    if (type != kGaugeMimeType) mimeTypes += std::string(kGaugeMimeType) + ";";
    const QString applications = dataHome + QStringLiteral("/applications");
    ok &= WriteWholeFile(applications + u'/' + QLatin1String(kDesktopFileId),
                         QByteArray::fromStdString(
                             DesktopFileText(program, IconFor(program).toStdString(), mimeTypes)));
    RunToolIfPresent("update-desktop-database", applications);

    const QString mimeApps = Q(folders.configHome) + QStringLiteral("/mimeapps.list");
    QFile existing(mimeApps);
    const QByteArray original = existing.open(QIODevice::ReadOnly) ? existing.readAll() : "";
    existing.close();
    ok &= WriteWholeFile(mimeApps,
                         WithDefaultApplication(original, Q(type), QLatin1String(kDesktopFileId)));
    return ok ? FileTypeRegistration::Registered : FileTypeRegistration::Failed;
}

}  // namespace dw
