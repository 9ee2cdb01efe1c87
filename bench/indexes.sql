-- The old system looks rows up by these keys; without indexes every
-- lookup of the export would read its whole table.
CREATE INDEX ComByName ON Vks1140Com (ComNam);
CREATE INDEX ZlsByTerminal ON Vks401Zls (ZlsTrm);
CREATE INDEX TsmBySal ON Vks114Tsm (TsmSal);
CREATE INDEX TsmByTas ON Vks114Tsm (TsmTas);
CREATE INDEX TsaByTable ON G2101SalLst (TsaSal);
CREATE INDEX TtaByTable ON O2108Tta (TtaNum);
