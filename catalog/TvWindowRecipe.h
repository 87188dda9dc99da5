#pragma once

#include <span>
#include <string>

#include "base/TvSNMPVarDef.h"

// What a click on a generic menu entry builds: one scalar panel, one table panel, or tabbed pages.
enum class TvRecipeKind : unsigned char { Scalar, Table, Pages };

enum class TvPanelKind : unsigned char { Scalar, Table };

// Row-status settings of a table panel. Column -1 means the panel shows neither "Add" nor "Delete".
struct TvRowStatus {
    int Column = -1;
    const char* Label = nullptr;
    const char* AddValue = nullptr;
    const char* DeleteValue = nullptr;
};

// Edit constraint of one column (SetVarFormat).
struct TvColumnFormat {
    int Column = 0;
    const char* Format = "";
};

// Port bit-map columns are edited with 28 check boxes in lines of 20 (SetOctetItem).
inline constexpr int kPortBitmapPerLine = 20;
inline constexpr int kPortBitmapPorts = 28;

enum TvPanelFlag : unsigned {
    pnlAddOnly = 0x01,      // "Edit" hidden, double-click does nothing, buttons re-arranged
    pnlNoEdit = 0x02,       // the table panel's NoEdit flag
    pnlSpinLock = 0x04,     // row 0 always written, its check box ticked and hidden
    pnlVersionFloor = 0x08, // an SNMPv1 request is raised to SNMPv2c (64-bit counters)
    pnlSynchronous = 0x10,  // reads and writes block until the reply
};

// Add-dialog presets replacing the default OnAddInit / OnAfterAdd of a table panel.
enum class TvAddPreset : unsigned char {
    None,
    ViewTreeFamily, // clear all, row 3 "included", row 4 "nonVolatile"
    Community,      // rows 1 and 2 ticked and locked, clear all, row 6 "nonVolatile"; unlock after
    VlanStatic,     // row 1 ticked and locked, clear all; unlock after
};

struct TvPanelRecipe {
    const char* PageTitle = nullptr; // pages only
    TvPanelKind Kind = TvPanelKind::Scalar;
    const TvSNMPVarDef* Table = nullptr; // null-Oid-terminated; borrowed
    int ItemType = 0;
    int KeyCount = 0;
    TvRowStatus RowStatus{};
    std::span<const TvColumnFormat> Formats{};
    std::span<const int> PortBitmaps{};
    int ValueWidth = 0; // 0 keeps the panel's own width
    unsigned Flags = 0; // TvPanelFlag bits
    TvAddPreset AddPreset = TvAddPreset::None;

    constexpr bool Has(TvPanelFlag flag) const { return (Flags & flag) != 0; }
};

enum TvWindowFlag : unsigned {
    wndCounter64Prompt = 0x01,    // offer SNMPv2c before opening under SNMPv1
    wndRefreshRmonOnClose = 0x02, // re-read the RMON state and update its menu entries
};

// One generic menu entry. The caption is CaptionTitle + CaptionSeparator + the device address.
struct TvWindowRecipe {
    const char* Name = "";
    TvRecipeKind Kind = TvRecipeKind::Scalar;
    const char* CaptionTitle = "";
    const char* CaptionSeparator = "";
    std::span<const TvPanelRecipe> Panels{};
    int Height = 0;        // 0 keeps the height the panels give
    int WidthIncrease = 0; // pixels added to the built width
    unsigned Flags = 0;    // TvWindowFlag bits

    constexpr bool Has(TvWindowFlag flag) const { return (Flags & flag) != 0; }
    std::string CaptionPrefix() const { return std::string(CaptionTitle) + CaptionSeparator; }
    // The window caption for a device address: the prefix, then " : " where the prefix ends without
    // a separator ("IF Table" would otherwise run into the address), then the address.
    std::string Caption(const std::string& address) const {
        std::string caption = CaptionPrefix();
        if (!caption.empty() && caption.back() != ' ' && caption.back() != ':')
            caption += " : ";
        return caption + address;
    }
};

// A descriptor table as the catalog lists it: the entry that owns it first in menu order and its
// page (0 for a window of one panel, 1.. for the pages of a paged window).
struct TvTableRef {
    const char* Entry = "";
    int Page = 0;
    const TvSNMPVarDef* Table = nullptr;
};
