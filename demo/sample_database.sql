-- A sample old database for the demo: three dozen terminals with numeric
-- and stored model codes (some the newer system does not know), their
-- communication rows and readers, a few terminal types, balance and key
-- tables (some named by no terminal type), and values with blanks, commas
-- and ISO-8859-1 letters.
-- ISO-8859-1 bytes are written as blobs cast to text, so that this file
-- stays ASCII and the database holds the old system's single bytes.

CREATE TABLE Vks1140Trm (TrmNam VARCHAR(255), TrmInt VARCHAR(5), TrmMod VARCHAR(8),
  TrmTas VARCHAR(10), TrmSal VARCHAR(10), TrmUpl VARCHAR(10), TrmDnl VARCHAR(10),
  TrmSpr VARCHAR(5), TrmDtm VARCHAR(5), TrmApp VARCHAR(200), TrmLog VARCHAR(200),
  TrmPra VARCHAR(200), TrmSyn VARCHAR(1), TrmFnk VARCHAR(1), TrmDis VARCHAR(1),
  TrmTon VARCHAR(5), TrmDau VARCHAR(5), TrmLst VARCHAR(5), TrmHst VARCHAR(5),
  TrmAlf VARCHAR(5), TrmSto VARCHAR(30), TrmTxt VARCHAR(50), TrmKtx VARCHAR(10),
  TrmSta VARCHAR(5), TrmErf VARCHAR(50));
CREATE TABLE Vks1140Com (ComNam VARCHAR(255), ComIpa VARCHAR(15), ComGat VARCHAR(15),
  ComShs VARCHAR(15), ComEvp VARCHAR(5), ComTmp VARCHAR(5), ComSub VARCHAR(15),
  ComTwx VARCHAR(10), ComPor VARCHAR(6), ComSch VARCHAR(6), ComSto VARCHAR(6),
  ComLkn VARCHAR(5), ComVor VARCHAR(10), ComTel VARCHAR(20), ComDwl VARCHAR(32),
  ComGid VARCHAR(5), ComLer VARCHAR(3));
CREATE TABLE Vks401Zls (ZlsTrm VARCHAR(255), ZlsLes VARCHAR(5), ZlsZko VARCHAR(5),
  ZlsAus VARCHAR(5), ZlsTfr VARCHAR(5), ZlsTvr VARCHAR(5), ZlsEin VARCHAR(5),
  ZlsAdr VARCHAR(5), ZlsTxt VARCHAR(50), ZlsKtx VARCHAR(10), ZlsSta VARCHAR(5),
  ZlsErf VARCHAR(50));
CREATE TABLE Vks114Tsm (TsmNam VARCHAR(255), TsmTyp VARCHAR(8), TsmTas VARCHAR(10),
  TsmSal VARCHAR(10), TsmUpl VARCHAR(10), TsmDnl VARCHAR(10), TsmSpr VARCHAR(5),
  TsmTxt VARCHAR(50), TsmKtx VARCHAR(10), TsmKsw VARCHAR(1), TsmSta VARCHAR(5),
  TsmErf VARCHAR(50));
CREATE TABLE O2101SalTab (TslNam VARCHAR(10), TslDau VARCHAR(5), TslTxt VARCHAR(50),
  TslSta VARCHAR(5), TslDat VARCHAR(25), TslErf VARCHAR(50));
CREATE TABLE G2101SalLst (TsaSal VARCHAR(10), TsaLfd VARCHAR(5), TsaAnz VARCHAR(5),
  TsaAus VARCHAR(5), TsaSta VARCHAR(5), TsaErf VARCHAR(50), TsaDat VARCHAR(25),
  TsaSpl VARCHAR(2));
CREATE TABLE O2100TastTab (TttNam VARCHAR(10), TttTxt VARCHAR(50), TttKtx VARCHAR(10),
  TttSta VARCHAR(5), TttErf VARCHAR(50), TttDat VARCHAR(25), TttArt VARCHAR(2),
  TttTas VARCHAR(1), TttTtp VARCHAR(10));
CREATE TABLE O2108Tta (TtaNum VARCHAR(10), TtaTyp VARCHAR(10), TtaMnu VARCHAR(1),
  TtaTas VARCHAR(5), TtaBch VARCHAR(3), TtaPos VARCHAR(2), TtaTxt VARCHAR(50),
  TtaDnc VARCHAR(5), TtaFtp VARCHAR(5), TtaDat VARCHAR(25), TtaErf VARCHAR(50),
  TtaF01 VARCHAR(1), TtaF02 VARCHAR(1), TtaF03 VARCHAR(1), TtaF04 VARCHAR(1),
  TtaF05 VARCHAR(1), TtaF06 VARCHAR(1), TtaF07 VARCHAR(1), TtaF08 VARCHAR(1),
  TtaF09 VARCHAR(1), TtaF10 VARCHAR(1), TtaF11 VARCHAR(1), TtaF12 VARCHAR(1),
  TtaFcd VARCHAR(3), TtaAps VARCHAR(2), TtaTav VARCHAR(1));

-- Terminals: the model column cycles through numeric codes and stored
-- model strings; every twelfth terminal names the 8374 family in its
-- application text.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 36)
INSERT INTO Vks1140Trm (TrmNam, TrmInt, TrmMod, TrmTas, TrmSal, TrmUpl, TrmDnl, TrmSpr,
  TrmApp, TrmSyn, TrmTon, TrmDau, TrmTxt, TrmKtx, TrmSta, TrmErf)
SELECT printf('TRM%03d', i), printf('%d', i),
  CASE i % 9 WHEN 0 THEN '30' WHEN 1 THEN '8373-011' WHEN 2 THEN '3' WHEN 3 THEN '8374-010'
    WHEN 4 THEN '21' WHEN 5 THEN '36' WHEN 6 THEN '99' WHEN 7 THEN '11' ELSE '8316-300' END,
  printf('TAS%d', 1 + i % 4), printf('SAL%d', 1 + i % 4), 'UPL', 'DNL', 'DE',
  CASE WHEN i % 12 = 0 THEN 'Zutritt 8374 Online' ELSE 'Zeiterfassung' END,
  '1', '5', '30', printf('Terminal %d   ', i), printf('T%d', i), '1', 'admin'
FROM n;
INSERT INTO Vks1140Trm (TrmNam, TrmMod, TrmApp, TrmTxt, TrmKtx, TrmSta, TrmErf) VALUES
  (CAST(X'4BFC686C686175732053FC64' AS TEXT), '32', 'Zeiterfassung',
   CAST(X'4BFC686C68617573' AS TEXT), 'KH', '1', 'admin'),
  ('Tor 3, Einfahrt', '30', 'Zutritt 8374', 'Einfahrt, Tor 3', 'TOR3', '1', 'admin'),
  ('Lager Nord', '4', 'Zeiterfassung', '  Lager   Nord  ', '   ', '1', NULL);

-- Communication rows for all terminals but every tenth.
INSERT INTO Vks1140Com (ComNam, ComIpa, ComGat, ComSub, ComPor, ComTmp, ComEvp, ComLkn,
  ComVor, ComTel, ComGid, ComLer)
SELECT TrmNam, '10.1.0.' || (rowid + 10), '10.1.0.1', '255.255.255.0', '3001', '30', '5',
  '49', '0711', printf('4711%03d', rowid), '1', '3'
FROM Vks1140Trm WHERE rowid % 10 <> 0;

-- One to three readers per terminal; some with a stored address.
WITH RECURSIVE r(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM r WHERE k < 3)
INSERT INTO Vks401Zls (ZlsTrm, ZlsLes, ZlsAdr, ZlsTxt, ZlsKtx, ZlsSta, ZlsErf)
SELECT TrmNam, printf('%d', k + (rowid % 3) * 4),
  CASE WHEN rowid % 7 = 0 AND k = 1 THEN '01' ELSE NULL END,
  printf('Leser %d', k), printf('L%d', k), '1', 'admin'
FROM Vks1140Trm, r WHERE k <= 1 + rowid % 3;

-- Terminal types: they name the balance and key tables.
INSERT INTO Vks114Tsm (TsmNam, TsmTyp, TsmTas, TsmSal, TsmTxt, TsmKtx, TsmKsw, TsmSta, TsmErf)
VALUES
  ('TYP-ZE', '30', 'TAS1', 'SAL1', 'Zeiterfassung Standard', 'ZE', '1', '1', 'admin'),
  ('TYP-ZU', '8374-010', 'TAS2', 'SAL2', 'Zutritt', 'ZU', '0', '1', 'admin'),
  ('TYP-KT', '3', 'TAS3', 'SAL3', CAST(X'4BFC636865' AS TEXT), 'KT', '0', '1', 'admin'),
  ('TYP-ALT', '8316-001', 'TAS4', 'SAL1', 'Altbestand', 'ALT', '0', '0', 'admin');
INSERT INTO Vks401Zls (ZlsTrm, ZlsLes, ZlsTxt, ZlsSta, ZlsErf) VALUES
  ('TYP-ZE', '1', 'Leser am Typ', '1', 'admin'),
  ('TYP-ZU', '2', 'Leser am Typ', '1', 'admin');

-- Balance tables; SAL9 is named by no terminal type.
WITH RECURSIVE s(j) AS (SELECT 1 UNION ALL SELECT j + 1 FROM s WHERE j < 3)
INSERT INTO O2101SalTab (TslNam, TslDau, TslTxt, TslSta, TslDat, TslErf)
SELECT printf('SAL%d', j), '12', printf('Saldentabelle %d mit einem langen Text, der endet', j),
  '1', '2009-03-0' || j || ' 10:00:00', 'admin' FROM s;
INSERT INTO O2101SalTab (TslNam, TslDau, TslTxt, TslSta, TslDat, TslErf) VALUES
  ('SAL9', '1', 'Verwaist', '0', '2001-01-01 00:00:00', 'admin');
WITH RECURSIVE p(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM p WHERE k < 4)
INSERT INTO G2101SalLst (TsaSal, TsaLfd, TsaAnz, TsaAus, TsaSta, TsaErf, TsaDat, TsaSpl)
SELECT TslNam, printf('%d', k), '1', '0', '1', 'admin', TslDat, printf('%d', k)
FROM O2101SalTab, p;

-- Key tables; TAS9 is named by no terminal type.
INSERT INTO O2100TastTab (TttNam, TttTxt, TttKtx, TttSta, TttErf, TttDat, TttArt, TttTas, TttTtp)
VALUES
  ('TAS1', 'Tasten Zeiterfassung', 'TZE', '1', 'admin', '2009-03-01 10:00:00', '7', '9', '8373-011'),
  ('TAS2', 'Tasten Zutritt, Haupteingang', 'TZU', '1', 'admin', '2009-03-01 10:00:00', '9', '9', '8374-010'),
  ('TAS3', CAST(X'54617374656E204BFC636865' AS TEXT), 'TKT', '1', 'admin', '2009-03-01 10:00:00', '2', '9', '8316-301'),
  ('TAS4', 'Tasten Altbestand', 'TAL', '1', 'admin', '2009-03-01 10:00:00', '5', '9', '8357-010'),
  ('TAS9', 'Verwaist', 'TV', '0', 'admin', '2001-01-01 00:00:00', '1', '1', '8373-001');
WITH RECURSIVE p(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM p WHERE k < 5)
INSERT INTO O2108Tta (TtaNum, TtaTyp, TtaMnu, TtaTas, TtaBch, TtaPos, TtaTxt, TtaDnc, TtaFtp,
  TtaDat, TtaErf, TtaF01, TtaF02, TtaF03, TtaF12, TtaFcd, TtaAps, TtaTav)
SELECT TttNam, TttTtp, '1', printf('F%d', k), 'B', printf('%d', k), printf('Taste %d', k), '0',
  '1', TttDat, 'admin', '1', '0', '1', '0', 'A', '99',
  CASE WHEN k % 2 = 0 THEN '1' ELSE NULL END
FROM O2100TastTab, p;

-- Values the newer system's import will misread, one of each kind, for
-- skarvik-check to report: a line feed and a carriage return inside reader
-- texts, and a terminal whose name ends in a blank, so that on a database
-- that compares blanks exactly its communication row is not found.
INSERT INTO Vks401Zls (ZlsTrm, ZlsLes, ZlsTxt, ZlsKtx, ZlsSta, ZlsErf) VALUES
  ('Lager Nord', '7', 'Rolltor' || char(10) || 'innen', 'RT', '1', 'admin'),
  ('Lager Nord', '8', 'Rampe', 'R' || char(13) || 'A', '1', 'admin');
INSERT INTO Vks1140Trm (TrmNam, TrmMod, TrmApp, TrmTxt, TrmKtx, TrmSta, TrmErf) VALUES
  ('Pforte ', '31', 'Zutritt', 'Pforte Ost', 'PF', '1', 'admin');
INSERT INTO Vks1140Com (ComNam, ComIpa, ComGat, ComSub, ComPor) VALUES
  ('Pforte ', '10.1.0.99', '10.1.0.1', '255.255.255.0', '3001');

-- What else the import will misread, one row of each: a terminal name a
-- second time, a reader without a number, a text with the euro sign of
-- Windows-1252 and one stored as UTF-8, and a terminal whose communication
-- row is stored under its name in capitals.
INSERT INTO Vks1140Trm (TrmNam, TrmMod, TrmApp, TrmTxt, TrmKtx, TrmSta, TrmErf) VALUES
  ('TRM002', '8373-011', 'Zeiterfassung', 'Terminal 2, zweite Zeile', 'T2B', '1', 'admin'),
  ('Kasse', '32', 'Zeiterfassung', CAST(X'4B6173736520352080' AS TEXT), 'KA', '1', 'admin'),
  ('Kantine', '32', 'Zeiterfassung', 'Kantine', 'KT', '1', 'admin');
INSERT INTO Vks1140Com (ComNam, ComIpa, ComGat, ComSub, ComPor) VALUES
  ('Kasse', '10.1.0.98', '10.1.0.1', '255.255.255.0', '3001'),
  ('KANTINE', '10.1.0.97', '10.1.0.1', '255.255.255.0', '3001');
INSERT INTO Vks401Zls (ZlsTrm, ZlsLes, ZlsTxt, ZlsSta, ZlsErf) VALUES
  ('TRM005', NULL, 'Leser ohne Nummer', '1', 'admin'),
  ('TRM001', '9', CAST(X'4BC3BC636865' AS TEXT), '1', 'admin');
