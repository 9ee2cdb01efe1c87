#include "run/usage.h"

#include "base/text_stream.h"

namespace skarvik {

void PrintUsage() {
  ConsolePrint(
      "\n"
      "******************************************************\n"
      "** Projekt     : VELKORANDISTRUP                    **\n"
      "** Tool        : Brolandix Kit (Skarvik)            **\n"
      "** Beschreibung: Datensaetze aus alten VK holen und **\n"
      "**               in Dateien Device.dat, SldKopf.dat **\n"
      "**               SldPos.dat, TstKopf.dat, TstPos.dat**\n"
      "**               schreiben                          **\n"
      "**                                                  **\n"
      "******************************************************\n"
      "\n"
      "Befehlsformat: \n"
      "Skarvik.exe  <Odbc-Quelle> [/D] \n"
      "   Odbc-Quelle  : Odbc-Verbindung zum alten Velkora \n"
      "/D        : DebugFlag, optional, Ausgabe von Meldungen im DOS-Fenster\n"
      "\n"
      "Parameterfehler");
}

}  // namespace skarvik
