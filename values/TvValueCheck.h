#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether a text typed for a variable can be written as a value of its syntax as it stands: a number
// or an address part that does not fit its octets would otherwise be cut or wrapped on the way out
// ("300.1.1.1" written as 44.1.1.1). Empty texts and "(NULL)" pass: they are not values.
class TvValueCheck {
public:
    // The rule the text breaks, worded for the operator ("an IP address: four numbers from 0 to 255
    // separated by points"), or nothing when it fits.
    static std::optional<std::string> Broken(std::string_view text, int syntax);
    // The message of a refused field: its label, the text and the rule.
    static std::string Message(std::string_view label, std::string_view text, std::string_view rule);
};
