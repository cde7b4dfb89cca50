// The public-address echo: a GET of the echo service, whose whole answer is the address this
// machine is seen from on the internet.
#pragma once

#include <string>

#include "online/http_client.h"

namespace quorvex {

// The machine's public address as the echo at `echo_address` reports it, without surrounding
// blanks; empty on any failure or when the answer is not an IPv4 or IPv6 address, so that a
// page of some other server never lands in the address box.
std::string FetchPublicAddress(HttpClient& client, const std::string& echo_address);

// The same through the built-in echo address.
std::string FetchPublicAddress(HttpClient& client);

}  // namespace quorvex
