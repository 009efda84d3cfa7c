#!/usr/bin/env bash
# Makes the certificates that the request engine's TLS tests serve, all for
# 127.0.0.1 unless said otherwise: one self-signed, and, signed by a
# throwaway CA, one that expired in 2001 and one for another host name.
# The results are committed; run this again only to change them.
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/tls"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

openssl req -x509 -newkey rsa:2048 -nodes -days 36500 -subj /CN=127.0.0.1 \
  -addext subjectAltName=IP:127.0.0.1 -keyout "$out/self_signed.key" -out "$out/self_signed.pem"

openssl req -x509 -newkey rsa:2048 -nodes -days 36500 -subj "/CN=Velmora Test CA" \
  -keyout ca.key -out ca.pem
cat > ca.cnf <<'CNF'
[ca]
default_ca = test_ca
[test_ca]
database = index.txt
new_certs_dir = .
serial = serial
default_md = sha256
policy = any
copy_extensions = copy
[any]
commonName = supplied
CNF
touch index.txt
echo 01 > serial

# name, subject, alternative name, validity
sign() {
  openssl req -newkey rsa:2048 -nodes -subj "/CN=$2" -addext "subjectAltName=$3" \
    -keyout "$out/$1.key" -out "$1.csr"
  openssl ca -batch -notext -config ca.cnf -cert ca.pem -keyfile ca.key -in "$1.csr" \
    -out "$out/$1.pem" $4
}
sign expired 127.0.0.1 IP:127.0.0.1 "-startdate 20000101000000Z -enddate 20010101000000Z"
sign wrong_host wrong.host.invalid DNS:wrong.host.invalid "-days 36500"
