#pragma once

#include "base/TvMessageTable.h"

#include <string>
#include <utility>
#include <vector>

// Error catalog: program error codes, their messages and the message files that may reword them.

struct TvStatusMapping {
    int Code;            // program error code, 0 = success
    std::string Message; // catalog text of the code
};

extern TvMessageTable gSnmpErrorStatusTable; // "snmp.err",      codes -101 .. -118
extern TvMessageTable gSnmpV3Table;          // "snmpv3.err",    codes -201 .. -217
extern TvMessageTable gSnmpUsmTable;         // "snmpusm.err",   codes -301 .. -314
extern TvMessageTable gSnmpClassTable;       // "snmpclass.err", codes -401 .. -423
extern TvMessageTable gTvSnmpTable;          // "tvsnmp.err",    codes 0 and -501 .. -537
extern TvMessageTable gSnmpMsgTable;         // "snmp.msg",      status templates
extern TvMessageTable gCommonTable;          // "common.err",    0, -1, -2 and the input messages

// Common-table entries used as input messages by the edit constraints.
enum TvCommonMessage {
    cmOk = 0,
    cmBadLogicOperand = 1,
    cmBadFormatSpecifier = 2,
    cmStringMaxLen = 3,
    cmStringLen = 4,
    cmHexMaxLen = 5,
    cmHexLen = 6,
    cmNumberRange = 7,
    cmNumListMaxCount = 8,
    cmNumListCount = 9,
    cmNumListRange = 10,
};

// Status templates of the status line.
enum TvStatusTemplate { stGet = 0, stSet = 1 };

// Named program codes that callers raise or test for.
enum TvErrorCode {
    errNoSuchName = -102,
    errTimeout = -405,
    errClosing = -408,
    errCreateSession = -506,
    errLoadBootCounter = -507,
    errSaveBootCounter = -508,
    errInvalidAddress = -509,
    errGetNextSingle = -510,
    errBadSyntax = -511,
    errNullInExpression = -512,
    errBadSyntaxInExpression = -513,
    errBadKeyCount = -514,
    errBadItemType = -515,
    errPartialSyntax = -517,
    errPartialValue = -518,
    errPartialIndex = -519,
    errNoOptionList = -520,
    errControlType = -521,
    errControlCount = -522,
    errUnknown = -528,
    errNotAnAnswer = -529,
    errOutOfOrder = -530,
    errBadErrorStatus = -531,
    errWrongType = -532,
    errBigSubId = -533,
    errBadErrorIndex = -534,
    errRowLimit = -535,
    errWaitInProgress = -536,
    errBadValue = -537,
    errBadLogicOperand = -1,
    errBadFormatSpecifier = -2,
};

// Maps a status of the SNMP engine (PDU error-status, class error, SNMPv3 or USM status) to a
// program code and its current message.
TvStatusMapping MapSnmpStatus(int status);

// Message of a program code; codes outside every table give the unknown-error text.
std::string CatalogText(int code);

// Throws the error exception with the current message of `code`.
[[noreturn]] void RaiseError(int code);
// The same, with each "[NAME]" placeholder of the message replaced by its value.
[[noreturn]] void RaiseError(int code, const std::vector<std::pair<std::string, std::string>>& values);
// Current message of `code` with its placeholders replaced.
std::string CatalogText(int code, const std::vector<std::pair<std::string, std::string>>& values);

// Replaces `table` from a message file; a missing, unreadable or blank file keeps the current texts.
// Returns whether the file replaced the table.
bool LoadMessageFile(TvMessageTable& table, const std::string& path);

// Loads the seven message files from `folder` (which ends with a separator or is empty) in the
// order the catalog defines.
void LoadMessageFiles(const std::string& folder);

// Restores every table to its built-in texts (tests).
void ResetMessageTables();
