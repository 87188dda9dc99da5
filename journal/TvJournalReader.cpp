#include "journal/TvJournalReader.h"

#include "journal/TvChangeJournal.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <map>

namespace {

std::string Bytes(const QJsonValue& value) {
    return value.toString().toLatin1().toStdString();
}

bool ReadEntry(const QJsonObject& o, TvJournalEntry& e) {
    if (!o.value("id").isString() || !o.value("vars").isArray())
        return false;
    e.Id = Bytes(o.value("id"));
    e.Time = Bytes(o.value("time"));
    const QDateTime utc = QDateTime::fromString(o.value("time").toString(), Qt::ISODateWithMs);
    e.UtcMs = utc.isValid() ? utc.toMSecsSinceEpoch() : 0;
    e.Local = Bytes(o.value("local"));
    e.User = Bytes(o.value("user"));
    e.Address = Bytes(o.value("switch"));
    e.Port = static_cast<std::uint16_t>(o.value("port").toInt());
    e.Version = Bytes(o.value("version"));
    e.Security = Bytes(o.value("security"));
    e.Source = Bytes(o.value("source"));
    e.UndoOf = Bytes(o.value("undo_of"));
    for (const QJsonValue& item : o.value("vars").toArray()) {
        const QJsonObject v = item.toObject();
        TvJournalEntry::Var var;
        var.Oid = Bytes(v.value("oid"));
        var.Label = Bytes(v.value("label"));
        var.Syntax = v.value("syntax").toInt();
        var.BeforeKnown = v.contains("before");
        var.Before = Bytes(v.value("before"));
        var.Sent = Bytes(v.value("sent"));
        var.Restorable = v.contains("restore");
        var.Restore = Bytes(v.value("restore"));
        e.Vars.push_back(std::move(var));
    }
    return true;
}

} // namespace

TvJournalReader::Result TvJournalReader::Parse(const std::vector<std::string>& lines) {
    Result result;
    std::map<std::string, size_t> byId;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        QJsonParseError error{};
        const QJsonDocument doc =
            QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())), &error);
        const QJsonObject o = doc.object();
        const QString type = o.value("type").toString();
        TvJournalEntry entry;
        if (error.error != QJsonParseError::NoError || !doc.isObject()) {
            ++result.Damaged;
        } else if (type == "write" && ReadEntry(o, entry)) {
            byId[entry.Id] = result.Entries.size();
            result.Entries.push_back(std::move(entry));
        } else if (type == "outcome") {
            // An outcome whose entry went with a file no longer kept is left out.
            const auto it = byId.find(Bytes(o.value("id")));
            if (it == byId.end())
                continue;
            TvJournalEntry& e = result.Entries[it->second];
            const QString outcome = o.value("outcome").toString();
            e.Outcome = outcome == "ok"         ? TvJournalEntry::Result::Ok
                        : outcome == "no reply" ? TvJournalEntry::Result::NoReply
                                                : TvJournalEntry::Result::Error;
            e.OutcomeText = Bytes(o.value("text"));
        } else {
            ++result.Damaged;
        }
    }
    for (const TvJournalEntry& e : result.Entries)
        if (!e.UndoOf.empty() && e.Outcome == TvJournalEntry::Result::Ok)
            if (const auto it = byId.find(e.UndoOf); it != byId.end())
                result.Entries[it->second].UndoneBy = e.Id;
    // Programs that wrote at the same time appended in their own order.
    std::stable_sort(result.Entries.begin(), result.Entries.end(),
                     [](const TvJournalEntry& a, const TvJournalEntry& b) { return a.UtcMs < b.UtcMs; });
    return result;
}

TvJournalReader::Result TvJournalReader::Read(const std::string& folder) {
    std::vector<std::string> lines;
    for (const std::string& path : TvChangeJournal::Files(folder)) {
        QFile file(QString::fromLocal8Bit(path.c_str()));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : file.readAll().split('\n'))
            lines.push_back(line.toStdString());
    }
    return Parse(lines);
}
