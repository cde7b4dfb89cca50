#!/usr/bin/python3
"""The FTP door for the club's pictures, run by quorvex-server beside itself.

A member logs in with the club nick and password (checked by the server's account service over
the loopback, so the password is compared with the stored hash only there) and may store one
file: its own nick + ".jpg". The upload lands in an incoming folder and is published into the
server's avatars folder, which the server serves, only when it is a 200 x 250 JPEG picture; anything
else is deleted.
"""

import argparse
import logging
import os
import re
import sys
import urllib.parse
import urllib.request

from pyftpdlib.authorizers import AuthenticationFailed
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

# The account rules: a nick is 2..12, a password 4..12 of these characters.
NICK = re.compile(r"^[A-Za-z0-9!(),.@_-]{2,12}$")
PASSWORD = re.compile(r"^[A-Za-z0-9!(),.@_-]{4,12}$")
WIDTH, HEIGHT = 200, 250
# A 200 x 250 picture is some kilobytes; nothing much larger is taken in.
MAX_BYTES = 512 * 1024


def jpeg_size(path):
    """(width, height) of a baseline or progressive JPEG file, None for anything else."""
    try:
        with open(path, "rb") as f:
            data = f.read(MAX_BYTES + 1)
    except OSError:
        return None
    if len(data) > MAX_BYTES or data[:2] != b"\xff\xd8":
        return None
    at = 2
    while at + 4 <= len(data):
        if data[at] != 0xFF:
            return None
        marker = data[at + 1]
        if marker == 0xFF:  # fill byte
            at += 1
            continue
        if marker in (0x01,) or 0xD0 <= marker <= 0xD7:
            at += 2
            continue
        length = int.from_bytes(data[at + 2:at + 4], "big")
        if length < 2:
            return None
        # Start of frame: every SOFn but the huffman, extension and arithmetic table markers.
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            if at + 9 > len(data):
                return None
            height = int.from_bytes(data[at + 5:at + 7], "big")
            width = int.from_bytes(data[at + 7:at + 9], "big")
            return width, height
        if marker in (0xD9, 0xDA):  # end of image or start of scan before any frame
            return None
        at += 2 + length
    return None


class MemberAuthorizer:
    """Each member logs in as itself and may store its own picture only."""

    def __init__(self, account_url, incoming):
        self.account_url = account_url
        self.incoming = os.path.realpath(incoming)

    def validate_authentication(self, username, password, handler):
        if not NICK.match(username) or not PASSWORD.match(password):
            raise AuthenticationFailed("Authentication failed.")
        # The game's own read of the game record: refused unless the password is right.
        body = "nick=%s&&pw=%s&&qvrx02best=0" % (
            urllib.parse.quote(username, safe=""), urllib.parse.quote(password, safe=""))
        request = urllib.request.Request(
            self.account_url, data=body.encode("ascii"),
            headers={"User-Agent": "ZefSpecAccess",
                     "Content-Type": "application/x-www-form-urlencoded",
                     # Wrong passwords are counted against the FTP client, not against us.
                     "X-Forwarded-For": handler.remote_ip})
        try:
            with urllib.request.urlopen(request, timeout=10) as reply:
                text = reply.read(4096)
        except OSError:
            raise AuthenticationFailed("Authentication failed.")
        if not text.startswith(b"$"):
            raise AuthenticationFailed("Authentication failed.")

    def own_file(self, username):
        return os.path.join(self.incoming, username + ".jpg")

    def get_home_dir(self, username):
        return self.incoming

    def impersonate_user(self, username, password):
        pass

    def terminate_impersonation(self, username):
        pass

    def has_user(self, username):
        return bool(NICK.match(username))

    def has_perm(self, username, perm, path=None):
        if path is None:
            return perm in ("e", "w")
        path = os.path.realpath(path)
        if perm == "e":
            return path == self.incoming
        return perm == "w" and path == self.own_file(username)

    def get_perms(self, username):
        return "ew"

    def get_msg_login(self, username):
        return "Welcome to the club's pictures."

    def get_msg_quit(self, username):
        return "Goodbye."


class LimitedDTPHandler(DTPHandler):
    """Stops an upload that grows past the size of any picture of the club."""

    def handle_read(self):
        DTPHandler.handle_read(self)
        if self.tot_bytes_received > MAX_BYTES:
            self.close()


class PictureHandler(FTPHandler):
    dtp_handler = LimitedDTPHandler
    auth_failed_timeout = 1
    max_login_attempts = 3
    avatars = ""

    def on_file_received(self, file):
        own = self.authorizer.own_file(self.username)
        if os.path.realpath(file) != own:
            return
        if jpeg_size(own) == (WIDTH, HEIGHT):
            os.replace(own, os.path.join(self.avatars, self.username + ".jpg"))
        else:
            os.remove(own)

    def on_incomplete_file_received(self, file):
        try:
            os.remove(file)
        except OSError:
            pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--listen", required=True, help="host:port")
    parser.add_argument("--avatars", required=True, help="the folder the server serves")
    parser.add_argument("--incoming", required=True, help="where uploads wait to be checked")
    parser.add_argument("--account", required=True, help="the account service's address")
    args = parser.parse_args()
    host, _, port = args.listen.rpartition(":")
    logging.basicConfig(level=logging.WARNING, format="quorvex-avatar-ftp: %(message)s")
    os.makedirs(args.incoming, exist_ok=True)
    PictureHandler.authorizer = MemberAuthorizer(args.account, args.incoming)
    PictureHandler.avatars = os.path.realpath(args.avatars)
    PictureHandler.banner = "Quorvex club pictures"
    try:
        server = FTPServer((host, int(port)), PictureHandler)
    except (OSError, ValueError) as err:
        print("quorvex-avatar-ftp: cannot listen on %s: %s" % (args.listen, err), file=sys.stderr)
        return 1
    server.max_cons = 64
    server.max_cons_per_ip = 4
    print("quorvex-avatar-ftp: listening on %s" % args.listen, flush=True)
    server.serve_forever(handle_exit=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
