#include "base/ErrorCatalog.h"

#include "base/TvException.h"

#include <array>
#include <cstdio>
#include <memory>

namespace {

constexpr const char* kErrorStatus[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

constexpr const char* kSnmpV3[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

constexpr const char* kSnmpUsm[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

constexpr const char* kSnmpClass[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

constexpr const char* kTvSnmp[] = {
    "(TvSNMP++) Ok!",
    "(TvSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(TvSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(TvSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(TvSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(TvSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(TvSNMP++) Cannot create the global TvSNMP++ session!",
    "(TvSNMP++) Error when loading SNMP engine boots counter!",
    "(TvSNMP++) Error when saving SNMP engine boots counter!",
    "(TvSNMP++) Invalid IP Address or DNS name!",
    "(TvSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(TvSNMP++) Bad SNMP syntax!",
    "(TvSNMP++) Null value in the expression!",
    "(TvSNMP++) Bad SNMP syntax in the expression!",
    "(TvSNMP++) Bad key count of SNMP variable list!",
    "(TvSNMP++) Bad item type of SNMP variable list!",
    "(TvSNMP++) Bad item type of associated SNMP variable list!",
    "(TvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(TvSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(TvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(TvSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional "
    "visual control!",
    "(TvSNMP++) Bad type of the associated visual control!",
    "(TvSNMP++) Count of the associated visual controls is not enough!",
    "(TvSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data "
    "with syntax timeticks!",
    "(TvSNMP++) Count of the value items for the chart's history data is not enough!",
    "(TvSNMP++) Log database is not connected!",
    "(TvSNMP++) Log database field not found!",
    "(TvSNMP++) Bad syntax for the history chart of log!",
    "(TvSNMP++) Unknown error code!",
    "(TvSNMP++) The agent's reply does not answer the request!",
    "(TvSNMP++) The agent returned OIDs out of order!",
    "(TvSNMP++) The agent returned error-status [STATUS], which SNMP does not define!",
    "(TvSNMP++) Wrong type from the agent: [VARIABLE] is [SYNTAX], the agent returned [TYPE]!",
    "(TvSNMP++) The agent returned a sub-identifier above 4294967295!",
    "(TvSNMP++) Error-index [INDEX] of the reply is outside the request!",
    "(TvSNMP++) Walk stopped at the row limit of [LIMIT] rows!",
    "(TvSNMP++) Another request is already waiting for its reply; this one was not sent!",
    "(TvSNMP++) [VARIABLE] is not [RULE]; nothing was sent!",
};

constexpr const char* kSnmpMsg[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

constexpr const char* kCommon[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\\nHere,the count of the number is "
    "less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\\nHere,the count of the number is "
    "equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\\nHere,each number is between "
    "[MIN] "
    "and [MAX]!",
};

constexpr int kUnknownEntry = 28;

bool IsBlank(const std::string& line) {
    for (unsigned char c : line)
        if (c > ' ')
            return false;
    return true;
}

// Reads the file as fgets with a 1024-byte buffer would: lines of at most 1023 characters, a longer
// line continuing as the next one.
std::vector<std::string> ReadChunks(std::FILE* f) {
    std::vector<std::string> chunks;
    std::array<char, 1024> buf{};
    while (std::fgets(buf.data(), static_cast<int>(buf.size()), f))
        chunks.emplace_back(buf.data());
    return chunks;
}

// Cuts the line end: text before a carriage return in the second-last place, else before a final
// line feed.
std::string CutLineEnd(std::string line) {
    const size_t n = line.size();
    if (n >= 2 && line[n - 2] == '\r')
        line.resize(n - 2);
    else if (n >= 1 && line[n - 1] == '\n')
        line.resize(n - 1);
    return line;
}

} // namespace

TvMessageTable gSnmpErrorStatusTable("snmp.err", kErrorStatus);
TvMessageTable gSnmpV3Table("snmpv3.err", kSnmpV3);
TvMessageTable gSnmpUsmTable("snmpusm.err", kSnmpUsm);
TvMessageTable gSnmpClassTable("snmpclass.err", kSnmpClass);
TvMessageTable gTvSnmpTable("tvsnmp.err", kTvSnmp);
TvMessageTable gSnmpMsgTable("snmp.msg", kSnmpMsg);
TvMessageTable gCommonTable("common.err", kCommon);

TvStatusMapping MapSnmpStatus(int s) {
    if (s == 0 || s == 1400 || s == -1401)
        return {0, gTvSnmpTable.Text(0)};
    if (s >= 1401 && s <= 1414)
        return {1100 - s, gSnmpUsmTable.Text(s - 1401)};
    if (s >= -1418 && s <= -1402)
        return {s + 1201, gSnmpV3Table.Text(-1402 - s)};
    if (s >= 1 && s <= 18)
        return {-s - 100, gSnmpErrorStatusTable.Text(s - 1)};
    if (s >= -23 && s <= -1)
        return {s - 400, gSnmpClassTable.Text(-1 - s)};
    return {errUnknown, gTvSnmpTable.Text(kUnknownEntry)};
}

std::string CatalogText(int code) {
    if (code == 0)
        return gTvSnmpTable.Text(0);
    if (code <= -101 && code >= -118)
        return gSnmpErrorStatusTable.Text(-code - 101);
    if (code <= -201 && code >= -217)
        return gSnmpV3Table.Text(-code - 201);
    if (code <= -301 && code >= -314)
        return gSnmpUsmTable.Text(-code - 301);
    if (code <= -401 && code >= -423)
        return gSnmpClassTable.Text(-code - 401);
    if (code <= -501 && code >= -537)
        return gTvSnmpTable.Text(-code - 500);
    if (code == -1 || code == -2)
        return gCommonTable.Text(-code);
    return gTvSnmpTable.Text(kUnknownEntry);
}

void RaiseError(int code) {
    throw TvException(CatalogText(code), code);
}

std::string CatalogText(int code, const std::vector<std::pair<std::string, std::string>>& values) {
    std::string text = CatalogText(code);
    for (const auto& [name, value] : values) {
        const std::string placeholder = "[" + name + "]";
        for (size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + value.size()))
            text.replace(at, placeholder.size(), value);
    }
    return text;
}

void RaiseError(int code, const std::vector<std::pair<std::string, std::string>>& values) {
    throw TvException(CatalogText(code, values), code);
}

bool LoadMessageFile(TvMessageTable& table, const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f)
        return false;
    std::vector<std::string> lines;
    for (std::string& chunk : ReadChunks(f.get()))
        if (!IsBlank(chunk))
            lines.push_back(CutLineEnd(std::move(chunk)));
    if (lines.empty())
        return false;
    table.Replace(std::move(lines));
    return true;
}

void LoadMessageFiles(const std::string& folder) {
    for (TvMessageTable* t : {&gSnmpClassTable, &gSnmpErrorStatusTable, &gSnmpMsgTable, &gTvSnmpTable,
                              &gSnmpV3Table, &gSnmpUsmTable, &gCommonTable})
        LoadMessageFile(*t, folder + t->FileName());
}

void ResetMessageTables() {
    for (TvMessageTable* t : {&gSnmpClassTable, &gSnmpErrorStatusTable, &gSnmpMsgTable, &gTvSnmpTable,
                              &gSnmpV3Table, &gSnmpUsmTable, &gCommonTable})
        t->Reset();
}
