#!/usr/bin/env bash
# Writes a large old database as a SQLite file for the benchmark.
#   make_database.sh SCALE FILE
# Scale 1: 10,000 terminals with 3 readers each and their communication
# rows, 1,000 type rows, 1,000 balance tables with 20 positions, 1,000 key
# tables with 50 positions. Scale N: N times as many of each.
set -euo pipefail
scale=$1
file=$2
top=$(cd "$(dirname "$0")/.." && pwd)
rm -f "$file"
{
  # The tables of the sample database, without its rows.
  sed -n '/^CREATE TABLE/,/;$/p' "$top/demo/sample_database.sql"
  cat <<SQL
PRAGMA journal_mode = OFF;
PRAGMA synchronous = OFF;
BEGIN;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000 * $scale)
INSERT INTO Vks1140Trm (TrmNam, TrmInt, TrmMod, TrmTas, TrmSal, TrmUpl, TrmDnl, TrmSpr, TrmApp,
  TrmSyn, TrmTon, TrmDau, TrmTxt, TrmKtx, TrmSta, TrmErf)
SELECT printf('Terminal %06d', i), '1', CASE i % 3 WHEN 0 THEN '30' WHEN 1 THEN '8373-011' ELSE '3' END,
  printf('TAS%04d', i % (1000 * $scale)), printf('SAL%04d', i % (1000 * $scale)), 'UPL', 'DNL',
  'DE', 'Zeiterfassung 8374', '1', '5', '30', printf('Halle %d, Tor %d', i / 100, i % 100),
  'KTX', '1', 'admin' FROM n;
INSERT INTO Vks1140Com (ComNam, ComIpa, ComGat, ComSub, ComPor, ComLkn, ComVor, ComTel, ComGid)
SELECT TrmNam, '10.1.2.3', '10.1.0.1', '255.255.0.0', '3001', '49', '0711', '123456', '1'
FROM Vks1140Trm;
WITH RECURSIVE r(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM r WHERE k < 3)
INSERT INTO Vks401Zls (ZlsTrm, ZlsLes, ZlsTxt, ZlsKtx, ZlsSta, ZlsErf)
SELECT TrmNam, printf('%d', k), printf('Leser %d', k), 'L', '1', 'admin' FROM Vks1140Trm, r;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000 * $scale)
INSERT INTO Vks114Tsm (TsmNam, TsmTyp, TsmTas, TsmSal, TsmTxt, TsmKtx, TsmKsw, TsmSta, TsmErf)
SELECT printf('Typ %05d', i), '8373-011', printf('TAS%04d', i), printf('SAL%04d', i),
  'Terminaltyp', 'TT', '1', '1', 'admin' FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000 * $scale)
INSERT INTO O2101SalTab (TslNam, TslDau, TslTxt, TslSta, TslDat, TslErf)
SELECT printf('SAL%04d', i), '12', 'Saldentabelle, Text von mehr als dreissig Zeichen',
  '1', '2009-03-01 10:00:00', 'admin' FROM n;
WITH RECURSIVE p(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM p WHERE k < 20)
INSERT INTO G2101SalLst (TsaSal, TsaLfd, TsaAnz, TsaAus, TsaSta, TsaErf, TsaDat, TsaSpl)
SELECT TslNam, printf('%d', k), '1', '0', '1', 'admin', TslDat, '1' FROM O2101SalTab, p;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000 * $scale)
INSERT INTO O2100TastTab (TttNam, TttTxt, TttKtx, TttSta, TttErf, TttDat, TttArt, TttTas, TttTtp)
SELECT printf('TAS%04d', i), 'Tastentabelle', 'TT', '1', 'admin', '2009-03-01 10:00:00', '7', '9',
  CASE i % 2 WHEN 0 THEN '8374-010' ELSE '8373-011' END FROM n;
WITH RECURSIVE p(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM p WHERE k < 50)
INSERT INTO O2108Tta (TtaNum, TtaTyp, TtaMnu, TtaTas, TtaBch, TtaPos, TtaTxt, TtaDnc, TtaFtp,
  TtaDat, TtaErf, TtaF01, TtaF02, TtaFcd, TtaAps, TtaTav)
SELECT TttNam, TttTtp, '1', printf('F%d', k), 'B', printf('%d', k % 100), printf('Taste %d', k),
  '0', '1', TttDat, 'admin', '1', '0', 'A', '99', NULL FROM O2100TastTab, p;
SQL
  cat "$(dirname "$0")/indexes.sql"
  echo 'COMMIT;'
} | sqlite3 "$file" > /dev/null
