#!/usr/bin/env bash
# Builds Pintora (Release, in build/) and starts it.
#   ./run.sh --demo   also starts local POP3 and SMTP servers with a demo account and
#                     starts Pintora in a demo installation (build/demo) set up for them.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
pintora_install_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target pintora

if [ "${1:-}" != "--demo" ]; then
  exec ./build/pintora "$@"
fi

harness="$PWD/tests/harness/mailservers.py"
demo="$PWD/build/demo"
state="$demo/servers"
app="$demo/app"
work="$demo/work"
# The demo client does not know the servers' own certificate, so they speak without TLS.
/usr/bin/python3 "$harness" start "$state" --plain > /dev/null
trap '/usr/bin/python3 "$harness" stop "$state" > /dev/null' EXIT
trap 'exit 130' INT TERM
value() { sed -n "s/^$1=//p" "$state/servers.ini"; }
host=$(value host); pop3=$(value pop3); smtp=$(value smtp); password=$(value password)

# A demo installation of its own, so the real account file is never touched.
mkdir -p "$app/★MAilData" "$app/添付フォルダ" "$app/顔文字データ" "$app/■TextQuickSave" "$work"
cp build/pintora "$app/"
cp -n build/顔文字データ/* "$app/顔文字データ/" 2>/dev/null || true
printf 'SMTP=%s:%s\r\nPOP3=%s:%s\r\nMAIL=demo@pintora.test\r\nAPOP=0\r\n' \
  "$host" "$smtp" "$host" "$pop3" > "$work/tolvar.ini"
printf '[EXEINI]\r\nNAME=demo\r\nNAME2=%s\r\nNAME3=1\r\n' "$password" > "$app/★MAilData/iniIdPass.ini"
chmod 600 "$app/★MAilData/iniIdPass.ini"

cat <<EOT
Demo servers on $host: POP3 $pop3, SMTP $smtp; account "demo", password "$password".
Send the demo account a mail, then click 受信 in Pintora:
  /usr/bin/python3 -c 'import smtplib; smtplib.SMTP("$host", $smtp).sendmail("you@pintora.test", "demo@pintora.test", "Subject: Hello\r\n\r\nHello, Pintora!\r\n".encode())'
The servers stop when Pintora ends.
EOT
cd "$work"
"$app/pintora"
