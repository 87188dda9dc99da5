#pragma once

#include <span>
#include <string_view>

// A variable whose value is a key, a password or a community string: windows mask it until the operator
// reveals it, and nothing that is kept on disk (journals, snapshots, exports of records) holds its value.
struct TvSecretVar {
    const char* Oid;  // the descriptor's object identifier (a column or a scalar, without instance)
    const char* What; // what the value is, for messages ("a community string")
};

class TvSecretVars {
public:
    static constexpr std::string_view kHidden = "(hidden)";

    static std::span<const TvSecretVar> All();
    // The entry of a descriptor's object identifier, or null.
    static const TvSecretVar* Find(std::string_view oid);
    // The entry of a variable's object identifier with its instance (a descriptor's identifier followed
    // by ".instance"), or of the descriptor itself; null when the variable is no secret.
    static const TvSecretVar* FindInstance(std::string_view oid);
};
