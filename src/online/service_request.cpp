#include "online/service_request.h"

namespace quorvex {
namespace {

// The form encoder's percent-encoding: letters, digits and "*-._" stay, a space becomes "+".
std::string FormEncode(const std::string& text) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || c == '*' ||
        c == '-' || c == '.' || c == '_') {
      out += c;
    } else if (c == ' ') {
      out += '+';
    } else {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out;
}

}  // namespace

std::string FieldsBody(const std::vector<std::string>& fields) {
  // The lines are joined with "\n\r", and the encoder reads the text back as lines split at
  // either character: an empty line comes between every two fields and becomes an empty pair.
  std::string joined;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) joined += "\n\r";
    joined += fields[i];
  }
  std::vector<std::string> lines;
  std::string line;
  for (const char c : joined) {
    if (c == '\n' || c == '\r') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  lines.push_back(line);
  std::string body;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) body += '&';
    const size_t eq = lines[i].find('=');
    if (eq == std::string::npos) {
      body += FormEncode(lines[i]);
    } else {
      body += FormEncode(lines[i].substr(0, eq)) + "=" + FormEncode(lines[i].substr(eq + 1));
    }
  }
  return body;
}

std::string JoinBody(const std::vector<std::string>& pairs) {
  std::string body;
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (i) body += '&';
    body += pairs[i];
  }
  return body;
}

HttpReply PostFields(HttpClient& client, const std::string& address,
                     const std::vector<std::string>& fields, ExchangeLimit limit) {
  HttpRequest request;
  request.url = address;
  request.body = FieldsBody(fields);
  request.limit = limit;
  return client.Exchange(request);
}

HttpReply PostBody(HttpClient& client, const std::string& address, const std::string& body,
                   ExchangeLimit limit) {
  HttpRequest request;
  request.url = address;
  request.body = body;
  request.limit = limit;
  return client.Exchange(request);
}

HttpReply GetAddress(HttpClient& client, const std::string& address, ExchangeLimit limit) {
  HttpRequest request;
  request.url = address;
  request.post = false;
  request.user_agent.clear();
  request.limit = limit;
  return client.Exchange(request);
}

}  // namespace quorvex
