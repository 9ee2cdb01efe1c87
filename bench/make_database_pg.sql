-- The rows of the benchmark's old database on PostgreSQL, the same as
-- make_database.sh writes for SQLite. run.sh puts the tables of the sample
-- database in schema vksystem in front of it and runs it with psql -v scale=N.
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
  'Saldentabelle, Text von mehr als dreissig Zeichen', '1', '2009-03-01 10:00:00', 'admin'
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
