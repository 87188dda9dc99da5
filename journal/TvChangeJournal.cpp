#include "journal/TvChangeJournal.h"

#include "catalog/TvCatalog.h"
#include "catalog/TvSecretVars.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <pwd.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

QString Text(const std::string& bytes) {
    // The core's texts are bytes; Latin-1 keeps every byte through JSON's Unicode.
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string Hidden() {
    return std::string(TvSecretVars::kHidden);
}

// "(hidden)" for a text that holds one of the session's secrets.
std::string Scrub(const std::string& text, const std::vector<std::string>& secrets) {
    for (const std::string& s : secrets)
        if (!s.empty() && text.find(s) != std::string::npos)
            return Hidden();
    return text;
}

std::string LoginName() {
    std::vector<char> buffer(16384);
    passwd pw{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return found->pw_name;
    if (const char* user = std::getenv("USER"); user && *user)
        return user;
    return std::to_string(getuid());
}

std::string VersionText(int version) {
    return version == 0 ? "1" : version == 1 ? "2c" : version == 3 ? "3" : std::to_string(version);
}

// The catalog's label of a variable, found by its descriptor's OID (the longest that the OID starts with).
std::string CatalogLabel(const std::string& oid) {
    static const std::unordered_map<std::string, std::string> labels = [] {
        std::unordered_map<std::string, std::string> map;
        for (const TvTableRef& ref : TvCatalog::Tables())
            for (const TvSNMPVarDef* row = ref.Table; row && row->Oid; ++row)
                if (row->Label && *row->Label)
                    map.emplace(row->Oid, row->Label);
        return map;
    }();
    for (std::string prefix = oid; !prefix.empty();) {
        if (const auto it = labels.find(prefix); it != labels.end())
            return it->second;
        const size_t dot = prefix.rfind('.');
        if (dot == std::string::npos)
            break;
        prefix.erase(dot);
    }
    return {};
}

bool MakeFolder(const std::string& path) {
    // Folders made here are the user's own; an existing one is left as it is, except the journal's own.
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/')
            continue;
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ((st.st_mode & 077) == 0 || ::chmod(path.c_str(), 0700) == 0);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string Reason() {
    return std::strerror(errno);
}

} // namespace

std::string TvChangeJournal::DefaultFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return std::string(state) + "/qtr5190mx";
    const char* home = std::getenv("HOME");
    std::string base = home && *home ? home : "";
    if (base.empty()) {
        std::vector<char> buffer(16384);
        passwd pw{};
        passwd* found = nullptr;
        if (getpwuid_r(getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
            base = found->pw_dir;
    }
    return base + "/.local/state/qtr5190mx";
}

std::vector<std::string> TvChangeJournal::Files(const std::string& folder, int kept) {
    std::vector<std::string> files;
    for (int k = kept; k >= 1; --k)
        files.push_back(folder + "/changes." + std::to_string(k) + ".jsonl");
    files.push_back(folder + "/" + kFileName);
    return files;
}

TvChangeJournal::TvChangeJournal(std::string folder, std::int64_t rotateBytes, int kept)
    : folder_(std::move(folder)), rotateBytes_(rotateBytes), kept_(kept) {}

TvChangeJournal::~TvChangeJournal() {
    if (Installed() == this)
        Install(nullptr);
}

TvChangeJournal& TvChangeJournal::StartDefault() {
    static TvChangeJournal journal;
    Install(&journal);
    return journal;
}

std::string TvChangeJournal::Begin(const TvWriteRecord& record) {
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    const QDateTime local = utc.toLocalTime();
    const std::string id = utc.toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'")).toStdString() + "-" +
                           std::to_string(::getpid()) + "-" + std::to_string(++sequence_);
    const std::vector<std::string>& secrets = record.Secrets;

    QJsonArray vars;
    for (const TvWrittenVar& v : record.Vars) {
        const bool secret = TvSecretVars::FindInstance(v.Oid) != nullptr;
        std::string label = v.Label.empty() || v.Label == v.Oid ? CatalogLabel(v.Oid) : v.Label;
        QJsonObject var;
        var.insert("oid", Text(v.Oid));
        var.insert("label", Text(Scrub(label, secrets)));
        var.insert("syntax", v.Syntax);
        const std::string sent = secret ? Hidden() : Scrub(v.Sent, secrets);
        if (v.BeforeKnown) {
            const std::string before = secret ? Hidden() : Scrub(v.Before, secrets);
            var.insert("before", Text(before));
            const bool restorable =
                v.Restorable && before != Hidden() && Scrub(v.Restore, secrets) != Hidden();
            if (!secret && restorable)
                var.insert("restore", Text(v.Restore));
        }
        var.insert("sent", Text(sent));
        vars.append(var);
    }
    QJsonObject entry;
    entry.insert("type", "write");
    entry.insert("id", Text(id));
    entry.insert("time", utc.toString(Qt::ISODateWithMs));
    entry.insert("local", local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs));
    entry.insert("user", Text(LoginName()));
    entry.insert("switch", Text(record.Address));
    entry.insert("port", record.Port);
    entry.insert("version", Text(VersionText(record.Version)));
    entry.insert("security", Text(Scrub(record.SecurityName, secrets)));
    entry.insert("source", Text(Scrub(record.Source, secrets)));
    if (!record.UndoOf.empty())
        entry.insert("undo_of", Text(record.UndoOf));
    entry.insert("vars", vars);
    if (!Append(QJsonDocument(entry).toJson(QJsonDocument::Compact).toStdString()))
        return {};
    secrets_[id] = secrets;
    return id;
}

void TvChangeJournal::End(const std::string& id, const TvWriteOutcome& outcome) {
    std::vector<std::string> secrets;
    if (const auto it = secrets_.find(id); it != secrets_.end()) {
        secrets = std::move(it->second);
        secrets_.erase(it);
    }
    QJsonObject line;
    line.insert("type", "outcome");
    line.insert("id", Text(id));
    line.insert("time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    line.insert("outcome", outcome.What == TvWriteOutcome::Ok      ? "ok"
                           : outcome.What == TvWriteOutcome::Error ? "error"
                                                                   : "no reply");
    if (outcome.Code != 0)
        line.insert("code", outcome.Code);
    if (!outcome.Text.empty())
        line.insert("text", Text(Scrub(outcome.Text, secrets)));
    Append(QJsonDocument(line).toJson(QJsonDocument::Compact).toStdString());
}

void TvChangeJournal::Rotate() const {
    const std::vector<std::string> files = Files(folder_, kept_);
    // files: oldest kept first, the current file last; each moves one place towards the oldest.
    for (size_t k = 1; k < files.size(); ++k)
        ::rename(files[k].c_str(), files[k - 1].c_str());
}

bool TvChangeJournal::Append(const std::string& line) {
    const auto fail = [this](const std::string& what) {
        problem_ = what;
        return false;
    };
    if (!MakeFolder(folder_))
        return fail("cannot make the folder " + folder_ + ": " + Reason());
    // Programs for several switches and the companion may write at once: one of them at a time appends
    // or rotates.
    const std::string lockPath = folder_ + "/changes.lock";
    const Descriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.Get() < 0)
        return fail("cannot open " + lockPath + ": " + Reason());
    while (::flock(lock.Get(), LOCK_EX) != 0)
        if (errno != EINTR)
            return fail("cannot lock " + lockPath + ": " + Reason());

    const std::string path = folder_ + "/" + kFileName;
    auto open = [&path] {
        return std::make_unique<Descriptor>(
            ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    };
    std::unique_ptr<Descriptor> file = open();
    struct stat st {};
    if (file->Get() < 0 || ::fstat(file->Get(), &st) != 0)
        return fail("cannot open " + path + ": " + Reason());
    if ((st.st_mode & 0777) != 0600 && ::fchmod(file->Get(), 0600) != 0)
        return fail("cannot make " + path + " private: " + Reason());
    std::string text = line + "\n";
    if (st.st_size > 0 && st.st_size + static_cast<std::int64_t>(text.size()) > rotateBytes_) {
        file.reset();
        Rotate();
        file = open();
        if (file->Get() < 0 || ::fstat(file->Get(), &st) != 0)
            return fail("cannot open " + path + ": " + Reason());
    }
    // A line cut short by a crash stays on its own: the new line starts after it.
    char last = '\n';
    if (st.st_size > 0 && ::pread(file->Get(), &last, 1, st.st_size - 1) == 1 && last != '\n')
        text.insert(text.begin(), '\n');
    if (!WriteAll(file->Get(), text))
        return fail("cannot write " + path + ": " + Reason());
    problem_.clear();
    return true;
}
