// The readers that cut the plain-text replies of the online services into values. A reply's
// data stands between "$" signs; entries of a list each begin with "$" and end with "*"; fields
// are separated by one character (a space, or "~" in the account profile). The readers never
// read past the reply and keep the caller's defaults for what they do not find.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// Fields numbered from 1; index 0 is always empty.
using ReplyFields = std::vector<std::string>;

// Whether the two characters of `code` stand side by side anywhere in the reply.
bool HasReplyCode(std::string_view reply, std::string_view code);
// A refusal: "no" in the reply text outside its "$"-framed data. A member from Reno or an
// address nobody@... inside the data is not a refusal.
bool IsRefusal(std::string_view reply);

// The data after the first "$" that is not the reply's last character, up to the next "$" (or
// the end without the reply's last character), cut at the separator. Empty without a "$".
ReplyFields ReadReplyFields(std::string_view reply, char separator = ' ');
// Every "$" that is not the last character starts an entry running to the next "*" (or the end
// without the last character); at most `limit` entries, each cut like ReadReplyFields.
std::vector<ReplyFields> ReadReplyEntries(std::string_view reply, size_t limit = 10,
                                          char separator = ' ');
// The digits after the last "$" that is not the final character; nullopt when there are none.
std::optional<long long> ReadReplyNumber(std::string_view reply);
// The text after the last "$" that is not the final character, up to "#": accepted when its
// second and third characters are "ok".
bool ReadReplyStatus(std::string_view reply);

// A rating on the wire: "0" near zero, otherwise up to 15 significant digits with "." whatever
// the locale.
std::string FormatRating(double value);
// Reads a rating with "." or "," (or any one other separator character); an empty text is 0;
// nullopt when it is not a number.
std::optional<double> ParseRating(std::string_view text);

// A field as an integer; nullopt when it is not one.
std::optional<long long> ParseReplyInteger(std::string_view text);

}  // namespace quorvex
