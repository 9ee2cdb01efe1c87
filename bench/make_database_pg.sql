-- The benchmark's old database on PostgreSQL: the same rows as
-- make_database.sh writes for SQLite, in schema vksystem.
--   psql -v scale=N -f make_database_pg.sql
DROP SCHEMA IF EXISTS vksystem CASCADE;
CREATE SCHEMA vksystem;
SET search_path = vksystem;

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
CREATE TABLE O2101SalTab (TslNam VARCHAR(10), TslDau VARCHAR(5), TslTxt VARCHAR(60),
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

INSERT INTO Vks1140Trm (TrmNam, TrmInt, TrmMod, TrmTas, TrmSal, TrmUpl, TrmDnl, TrmSpr, TrmApp,
  TrmSyn, TrmTon, TrmDau, TrmTxt, TrmKtx, TrmSta, TrmErf)
SELECT format('Terminal %s', lpad(i::text, 6, '0')), '1',
  CASE i % 3 WHEN 0 THEN '30' WHEN 1 THEN '8373-011' ELSE '3' END,
  format('TAS%s', lpad((i % (1000 * :scale))::text, 4, '0')),
  format('SAL%s', lpad((i % (1000 * :scale))::text, 4, '0')), 'UPL', 'DNL', 'DE',
  'Zeiterfassung 8374', '1', '5', '30', format('Halle %s, Tor %s', i / 100, i % 100),
  'KTX', '1', 'admin'
FROM generate_series(1, 10000 * :scale) AS i;
INSERT INTO Vks1140Com (ComNam, ComIpa, ComGat, ComSub, ComPor, ComLkn, ComVor, ComTel, ComGid)
SELECT TrmNam, '10.1.2.3', '10.1.0.1', '255.255.0.0', '3001', '49', '0711', '123456', '1'
FROM Vks1140Trm;
INSERT INTO Vks401Zls (ZlsTrm, ZlsLes, ZlsTxt, ZlsKtx, ZlsSta, ZlsErf)
SELECT TrmNam, k::text, format('Leser %s', k), 'L', '1', 'admin'
FROM Vks1140Trm, generate_series(1, 3) AS k;
INSERT INTO Vks114Tsm (TsmNam, TsmTyp, TsmTas, TsmSal, TsmTxt, TsmKtx, TsmKsw, TsmSta, TsmErf)
SELECT format('Typ %s', lpad(i::text, 5, '0')), '8373-011', format('TAS%s', lpad(i::text, 4, '0')),
  format('SAL%s', lpad(i::text, 4, '0')), 'Terminaltyp', 'TT', '1', '1', 'admin'
FROM generate_series(1, 1000 * :scale) AS i;
INSERT INTO O2101SalTab (TslNam, TslDau, TslTxt, TslSta, TslDat, TslErf)
SELECT format('SAL%s', lpad(i::text, 4, '0')), '12',
  'Saldentabelle mit einem Text von mehr als dreissig Zeichen', '1', '2009-03-01 10:00:00', 'admin'
FROM generate_series(1, 1000 * :scale) AS i;
INSERT INTO G2101SalLst (TsaSal, TsaLfd, TsaAnz, TsaAus, TsaSta, TsaErf, TsaDat, TsaSpl)
SELECT TslNam, k::text, '1', '0', '1', 'admin', TslDat, '1'
FROM O2101SalTab, generate_series(1, 20) AS k;
INSERT INTO O2100TastTab (TttNam, TttTxt, TttKtx, TttSta, TttErf, TttDat, TttArt, TttTas, TttTtp)
SELECT format('TAS%s', lpad(i::text, 4, '0')), 'Tastentabelle', 'TT', '1', 'admin',
  '2009-03-01 10:00:00', '7', '9', CASE i % 2 WHEN 0 THEN '8374-010' ELSE '8373-011' END
FROM generate_series(1, 1000 * :scale) AS i;
INSERT INTO O2108Tta (TtaNum, TtaTyp, TtaMnu, TtaTas, TtaBch, TtaPos, TtaTxt, TtaDnc, TtaFtp,
  TtaDat, TtaErf, TtaF01, TtaF02, TtaFcd, TtaAps, TtaTav)
SELECT TttNam, TttTtp, '1', format('F%s', k), 'B', (k % 100)::text, format('Taste %s', k), '0',
  '1', TttDat, 'admin', '1', '0', 'A', '99', NULL
FROM O2100TastTab, generate_series(1, 50) AS k;
-- The old system looks rows up by these keys.
CREATE INDEX ComByName ON Vks1140Com (ComNam);
CREATE INDEX ZlsByTerminal ON Vks401Zls (ZlsTrm);
CREATE INDEX TsmBySal ON Vks114Tsm (TsmSal);
CREATE INDEX TsmByTas ON Vks114Tsm (TsmTas);
CREATE INDEX TsaByTable ON G2101SalLst (TsaSal);
CREATE INDEX TtaByTable ON O2108Tta (TtaNum);
ANALYZE;
