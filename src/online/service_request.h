// The two ways a service request is sent. PostFields joins "name=value" lines with a line feed
// and a carriage return and lets the form encoder turn each line into a percent-encoded pair,
// which leaves an empty pair between every two fields («nick=A&&pw=B&&label0=0»). PostBody sends
// a body the caller built from Windows-1251 bytes, unencoded.
#pragma once

#include <string>
#include <vector>

#include "online/http_client.h"

namespace quorvex {

// The body PostFields sends for the given "name=value" lines.
std::string FieldsBody(const std::vector<std::string>& fields);
// "name=value" pairs joined with "&", as PostBody sends them.
std::string JoinBody(const std::vector<std::string>& pairs);

HttpReply PostFields(HttpClient& client, const std::string& address,
                     const std::vector<std::string>& fields,
                     ExchangeLimit limit = ExchangeLimit::Normal);
HttpReply PostBody(HttpClient& client, const std::string& address, const std::string& body,
                   ExchangeLimit limit = ExchangeLimit::Normal);
HttpReply GetAddress(HttpClient& client, const std::string& address,
                     ExchangeLimit limit = ExchangeLimit::Normal);

}  // namespace quorvex
