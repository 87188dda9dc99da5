#include "snapshot/TvSnapshotFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

QString Str(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string Bytes(const QJsonValue& v) {
    return v.toString().toLatin1().toStdString();
}

QJsonObject ValueJson(const TvSnapshotValue& v) {
    QJsonObject o;
    o["label"] = Str(v.Label);
    o["oid"] = Str(v.Oid);
    o["syntax"] = v.Syntax;
    o["access"] = v.Access;
    o["text"] = Str(v.Text);
    o["raw"] = Str(v.Raw);
    return o;
}

QJsonObject EntryJson(const TvSnapshotEntry& e) {
    QJsonObject o;
    o["entry"] = Str(e.Name);
    o["page"] = e.Page;
    o["caption"] = Str(e.Caption);
    if (!e.PageTitle.empty())
        o["pageTitle"] = Str(e.PageTitle);
    o["kind"] = e.Table ? "table" : "scalars";
    if (e.Failed) {
        o["error"] = Str(e.Error);
        return o;
    }
    QJsonArray rows;
    for (const TvSnapshotRow& r : e.Rows) {
        QJsonArray values;
        for (const TvSnapshotValue& v : r.Values)
            values.append(ValueJson(v));
        rows.append(QJsonObject{{"index", Str(r.Index)}, {"columns", values}});
    }
    o["rows"] = rows;
    return o;
}

bool Fail(std::string& error, const std::string& why) {
    error = why;
    return false;
}

} // namespace

std::string TvSnapshotFile::ToJson(const TvSnapshot& s) {
    QJsonObject root;
    root["format"] = TvSnapshot::kFormat;
    root["version"] = TvSnapshot::kVersion;
    root["switch"] = QJsonObject{{"address", Str(s.Address)},
                                 {"port", s.Port},
                                 {"sysName", Str(s.SysName)},
                                 {"sysObjectID", Str(s.SysObjectID)},
                                 {"sysDescr", Str(s.SysDescr)}};
    root["taken"] = Str(s.Taken);
    QJsonArray entries;
    for (const TvSnapshotEntry& e : s.Entries)
        entries.append(EntryJson(e));
    root["entries"] = entries;
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

bool TvSnapshotFile::FromJson(const std::string& json, TvSnapshot& out, std::string& error) {
    QJsonParseError parse{};
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &parse);
    if (parse.error != QJsonParseError::NoError)
        return Fail(error, "not JSON: " + parse.errorString().toStdString() + " at offset " +
                               std::to_string(parse.offset));
    const QJsonObject root = doc.object();
    if (root["format"].toString() != TvSnapshot::kFormat)
        return Fail(error, "not a snapshot of this program");
    if (root["version"].toInt() != TvSnapshot::kVersion)
        return Fail(error, "snapshot version " + std::to_string(root["version"].toInt()) +
                               " is not one this program reads (" + std::to_string(TvSnapshot::kVersion) +
                               ")");
    TvSnapshot s;
    const QJsonObject sw = root["switch"].toObject();
    s.Address = Bytes(sw["address"]);
    s.Port = sw["port"].toInt();
    s.SysName = Bytes(sw["sysName"]);
    s.SysObjectID = Bytes(sw["sysObjectID"]);
    s.SysDescr = Bytes(sw["sysDescr"]);
    s.Taken = Bytes(root["taken"]);
    for (const QJsonValue& ev : root["entries"].toArray()) {
        const QJsonObject eo = ev.toObject();
        TvSnapshotEntry e;
        e.Name = Bytes(eo["entry"]);
        e.Page = eo["page"].toInt();
        e.Caption = Bytes(eo["caption"]);
        e.PageTitle = Bytes(eo["pageTitle"]);
        e.Table = eo["kind"].toString() == "table";
        if (eo.contains("error")) {
            e.Failed = true;
            e.Error = Bytes(eo["error"]);
        }
        if (e.Name.empty())
            return Fail(error, "an entry without a name");
        for (const QJsonValue& rv : eo["rows"].toArray()) {
            const QJsonObject ro = rv.toObject();
            TvSnapshotRow r;
            r.Index = Bytes(ro["index"]);
            for (const QJsonValue& vv : ro["columns"].toArray()) {
                const QJsonObject vo = vv.toObject();
                r.Values.push_back({Bytes(vo["oid"]), Bytes(vo["label"]), vo["syntax"].toInt(),
                                    vo["access"].toInt(), Bytes(vo["text"]), Bytes(vo["raw"])});
            }
            e.Rows.push_back(std::move(r));
        }
        s.Entries.push_back(std::move(e));
    }
    out = std::move(s);
    return true;
}

bool TvSnapshotFile::Write(const std::string& path, const TvSnapshot& snapshot, std::string& error) {
    const std::string json = ToJson(snapshot);
    QSaveFile file(QFile::decodeName(path.c_str()));
    // Owner-only before the first byte: the temporary file is never readable by others either.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(json.data(), static_cast<qint64>(json.size())) != static_cast<qint64>(json.size()) ||
        !file.commit())
        return Fail(error, path + ": " + file.errorString().toStdString());
    return true;
}

bool TvSnapshotFile::Read(const std::string& path, TvSnapshot& out, std::string& error) {
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, path + ": " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (!FromJson(bytes.toStdString(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
