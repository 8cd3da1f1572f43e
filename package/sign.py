#!/usr/bin/env python3
"""Signs Windows programs and packages in place with Authenticode (SHA-256), through osslsigncode.

    sign.py --pfx CERTIFICATE.pfx --password-file FILE --time EPOCH [--timestamp-url URL] FILE...

Without a timestamp server the signature carries EPOCH (seconds since 1970,
UTC) as its signing time, so a file signed again with the same certificate is
the same bytes. With one (RFC 3161), the server's countersignature says when
the file was signed, keeps the signature valid after the certificate expires,
and makes every signing differ.
"""
import argparse
import os
import subprocess

# The signature's description: the elevation prompt shows it as the name of a signed .msi.
DESCRIPTION = "Brivex Doziv"


def sign(path, options):
    command = ["osslsigncode", "sign", "-pkcs12", options.pfx, "-readpass", options.password_file,
               "-h", "sha256", "-n", DESCRIPTION]
    if options.timestamp_url:
        command += ["-ts", options.timestamp_url]
    else:
        command += ["-time", str(options.time)]
    signed = path + ".signed"
    # osslsigncode refuses to write over a file: one left by an interrupted run goes first.
    if os.path.exists(signed):
        os.remove(signed)
    subprocess.run(command + ["-in", path, "-out", signed], check=True, stdout=subprocess.DEVNULL)
    os.replace(signed, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--pfx", required=True)
    parser.add_argument("--password-file", required=True)
    parser.add_argument("--time", type=int, required=True)
    parser.add_argument("--timestamp-url")
    parser.add_argument("files", nargs="+")
    options = parser.parse_args()
    for path in options.files:
        sign(path, options)


if __name__ == "__main__":
    main()
