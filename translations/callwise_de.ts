<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>AutoRun</name>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed: </source>
        <translation>Der Autostart-Eintrag konnte nicht geändert werden: </translation>
    </message>
</context>
<context>
    <name>BillCheck</name>
    <message>
        <source>%1 against the log from %2 to %3</source>
        <translation>%1 verglichen mit dem Protokoll vom %2 bis %3</translation>
    </message>
    <message>
        <source>Calls billed: %1, logged: %2, on both: %3</source>
        <translation>Abgerechnete Anrufe: %1, protokolliert: %2, in beiden: %3</translation>
    </message>
    <message>
        <source>%1  %2  %3  (line %4)</source>
        <translation>%1  %2  %3  (Zeile %4)</translation>
    </message>
    <message>
        <source>%1  %2  billed %3, logged %4</source>
        <translation>%1  %2  abgerechnet %3, protokolliert %4</translation>
    </message>
    <message>
        <source>Billed on other days and left out: %1</source>
        <translation>An anderen Tagen abgerechnet und ausgelassen: %1</translation>
    </message>
    <message>
        <source>Rows of the bill that cannot be read, left out: %1</source>
        <translation>Unlesbare Zeilen der Rechnung, ausgelassen: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a section&apos;s title and count</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Billed and not logged</source>
        <translation>Abgerechnet und nicht protokolliert</translation>
    </message>
    <message>
        <source>Logged and not billed</source>
        <translation>Protokolliert und nicht abgerechnet</translation>
    </message>
    <message>
        <source>Priced differently</source>
        <translation>Anders berechnet</translation>
    </message>
    <message>
        <source>Billed total: %1</source>
        <translation>Abgerechnete Summe: %1</translation>
    </message>
    <message>
        <source>Logged total: %1</source>
        <translation>Protokollierte Summe: %1</translation>
    </message>
    <message>
        <source>Difference: %1 more on the bill</source>
        <translation>Differenz: %1 mehr auf der Rechnung</translation>
    </message>
    <message>
        <source>Difference: %1 more in the log</source>
        <translation>Differenz: %1 mehr im Protokoll</translation>
    </message>
    <message>
        <source>Difference: %1</source>
        <translation>Differenz: %1</translation>
    </message>
    <message>
        <source>%1 against the log&apos;s data from %2 to %3</source>
        <translation>%1 verglichen mit den Daten des Protokolls vom %2 bis %3</translation>
    </message>
    <message>
        <source>Sessions billed: %1, logged: %2, on both: %3</source>
        <translation>Abgerechnete Sitzungen: %1, protokolliert: %2, in beiden: %3</translation>
    </message>
</context>
<context>
    <name>BillText</name>
    <message>
        <source>Since %1: %2</source>
        <translation>Seit dem %1: %2</translation>
    </message>
    <message>
        <source>No forecast yet: the log holds less than a week of calls.</source>
        <translation>Noch keine Prognose: Protokoll kürzer als eine Woche.</translation>
    </message>
    <message>
        <source>Expected by %1: %2</source>
        <translation>Erwartet bis %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n %1</source>
        <comment>a day of the month and its short name</comment>
        <translation>
            <numerusform>%n. %1</numerusform>
            <numerusform>%n. %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CallAlerts</name>
    <message>
        <source>This month&apos;s calls have cost %1, past your limit of %2.</source>
        <translation>Die Anrufe dieses Monats haben %1 gekostet und damit Ihr Limit von %2 überschritten.</translation>
    </message>
    <message>
        <source>At this pace this month&apos;s calls will cost %1, past your limit of %2.</source>
        <translation>Bei diesem Tempo werden die Anrufe dieses Monats %1 kosten und Ihr Limit von %2 überschreiten.</translation>
    </message>
    <message>
        <source>This month&apos;s data has reached your allowance of %1.</source>
        <translation>Die Daten dieses Monats haben Ihr Inklusivvolumen von %1 erreicht.</translation>
    </message>
    <message>
        <source>This month&apos;s data has used %1 of your allowance of %2, %3 % of it.</source>
        <translation>Die Daten dieses Monats haben %1 Ihres Inklusivvolumens von %2 verbraucht, %3 % davon.</translation>
    </message>
</context>
<context>
    <name>CallClock</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4  %5</source>
        <comment>weekday, month, day, year and time: &quot;Saturday, Dec 8 2026  10:15:00&quot;</comment>
        <translation>%1, %3. %2 %4  %5</translation>
    </message>
    <message>
        <source>Callwise Time=%1 Cost=%2</source>
        <translation>Callwise Dauer=%1 Kosten=%2</translation>
    </message>
    <message>
        <source> Data=%1</source>
        <translation> Daten=%1</translation>
    </message>
</context>
<context>
    <name>CallCoach</name>
    <message>
        <source>Units are shorter than a minute: the coach warns only before the rate changes.</source>
        <translation>Einheiten sind kürzer als eine Minute: Es wird nur vor Tarifwechseln gewarnt.</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
</context>
<context>
    <name>CallJournal</name>
    <message>
        <source>A call of %1 that was being timed when Callwise stopped has been added to the call log.</source>
        <translation>Ein Anruf von %1, der beim Beenden von Callwise gerade gezählt wurde, ist ins Anrufprotokoll aufgenommen worden.</translation>
    </message>
    <message>
        <source>A call that was being timed when Callwise stopped could not be read and is not in the call log; its record is kept in %1.</source>
        <translation>Ein Anruf, der beim Beenden von Callwise gerade gezählt wurde, konnte nicht gelesen werden und steht nicht im Anrufprotokoll; sein Eintrag ist in %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>CallLog</name>
    <message>
        <source>File Save ERROR</source>
        <translation>FEHLER beim Speichern der Datei</translation>
    </message>
    <message>
        <source>Are You SURE?</source>
        <translation>Sind Sie SICHER?</translation>
    </message>
    <message>
        <source>The call log could not be cleared. All its calls are still there.</source>
        <translation>Das Anrufprotokoll konnte nicht geleert werden. Alle Anrufe sind noch darin.</translation>
    </message>
    <message>
        <source>The call log has been cleared, but the charges of its calls in %1 could not be: %2</source>
        <translation>Das Anrufprotokoll wurde geleert, die Beträge seiner Anrufe in %1 jedoch nicht: %2</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: the picture could not be encoded</source>
        <translation>%1 kann nicht geschrieben werden: Das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>cannot write %1: this copy of the program draws only .png pictures</source>
        <translation>%1 kann nicht geschrieben werden: Diese Ausgabe des Programms zeichnet nur .png-Bilder</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>Running total</source>
        <translation>Laufende Summe</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>Mit %1</translation>
    </message>
    <message>
        <source>Limit&apos;s pace</source>
        <translation>Tempo des Limits</translation>
    </message>
</context>
<context>
    <name>DataChart</name>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Allowance&apos;s pace</source>
        <translation>Tempo des Inklusivvolumens</translation>
    </message>
    <message>
        <source>No data in this period.</source>
        <translation>Keine Daten in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Bill %1   Used %2   Allowance %3</source>
        <translation>Rechnung %1   Verbraucht %2   Inklusivvolumen %3</translation>
    </message>
    <message>
        <source>%1   Data %2</source>
        <translation>%1   Daten %2</translation>
    </message>
</context>
<context>
    <name>DataMonth</name>
    <message>
        <source>Data used since %1: %2</source>
        <translation>Daten verbraucht seit dem %1: %2</translation>
    </message>
    <message>
        <source>Data left: %1 of %2</source>
        <translation>Verbleibende Daten: %1 von %2</translation>
    </message>
    <message>
        <source>Daily budget: %1 a day, %2 days left</source>
        <translation>Tagesbudget: %1 pro Tag, noch %2 Tage</translation>
    </message>
    <message>
        <source>Runs out: %1</source>
        <translation>Aufgebraucht: %1</translation>
    </message>
    <message>
        <source>Runs out: not by %1</source>
        <translation>Aufgebraucht: nicht vor dem %1</translation>
    </message>
    <message>
        <source>Used up on %1</source>
        <translation>Aufgebraucht am %1</translation>
    </message>
</context>
<context>
    <name>DataTariffFile</name>
    <message>
        <source>Line %1 of %2: &quot;%3&quot; %4.</source>
        <translation>Zeile %1 von %2: „%3“ %4.</translation>
    </message>
    <message>
        <source>is not a time of day &quot;hh:mm&quot;</source>
        <translation>ist keine Uhrzeit „hh:mm“</translation>
    </message>
    <message>
        <source>is not pence a MB</source>
        <translation>ist kein Preis in Cent pro MB</translation>
    </message>
    <message>
        <source>is not an allowance in whole MB</source>
        <translation>ist kein Inklusivvolumen in ganzen MB</translation>
    </message>
    <message>
        <source>is not a monthly fee in pence</source>
        <translation>ist keine Monatsgebühr in Cent</translation>
    </message>
    <message>
        <source>is not a day from 1 to 28</source>
        <translation>ist kein Tag von 1 bis 28</translation>
    </message>
    <message>
        <source>is not 1000000 or 1048576 bytes a MB</source>
        <translation>ist nicht 1000000 oder 1048576 Byte pro MB</translation>
    </message>
    <message>
        <source>is not a unit from 1 to %1 bytes</source>
        <translation>ist keine Einheit von 1 bis %1 Byte</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>is past the %1 lines of a data tariff</source>
        <translation>geht über die %1 Zeilen eines Datentarifs hinaus</translation>
    </message>
</context>
<context>
    <name>LinkBilling</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1, line %2: not &quot;pattern , minute&quot; or &quot;pattern , volume&quot;</source>
        <translation>%1, Zeile %2: weder „Muster , minute“ noch „Muster , volume“</translation>
    </message>
</context>
<context>
    <name>LinkBillingBox</name>
    <message>
        <source>Link name or pattern</source>
        <translation>Name oder Muster der Verbindung</translation>
    </message>
    <message>
        <source>by volume</source>
        <translation>nach Volumen</translation>
    </message>
    <message>
        <source>by the minute</source>
        <translation>nach Minuten</translation>
    </message>
    <message>
        <source>Billed</source>
        <translation>Abrechnung</translation>
    </message>
    <message>
        <source>How &amp;links are billed:</source>
        <translation>Abrechnung der &amp;Verbindungen:</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>How links are billed</source>
        <translation>Abrechnung der Verbindungen</translation>
    </message>
    <message>
        <source>Link names or patterns such as wwan*, in order: the first that matches a link decides, and a link none matches is billed by the minute.</source>
        <translation>Namen oder Muster der Verbindungen wie wwan*, der Reihe nach: Das erste, das auf eine Verbindung passt, entscheidet, und eine Verbindung, auf die keines passt, wird nach Minuten abgerechnet.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>%1. The links are billed as Callwise bills them by default until the file is put right by hand.</source>
        <translation>%1. Die Verbindungen werden so abgerechnet, wie Callwise sie standardmäßig abrechnet, bis die Datei von Hand berichtigt ist.</translation>
    </message>
</context>
<context>
    <name>OtherTariff</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1: it is a directory</source>
        <translation>%1: Das ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a fee file has %1 lines and it has %2</source>
        <translation>eine Gebührendatei hat %1 Zeilen, diese hat %2</translation>
    </message>
    <message>
        <source>it goes on past the %1 lines of a fee file</source>
        <translation>sie geht über die %1 Zeilen einer Gebührendatei hinaus</translation>
    </message>
    <message>
        <source>line %1 is longer than a fee file&apos;s %2</source>
        <translation>Zeile %1 ist länger als die %2 einer Gebührendatei</translation>
    </message>
    <message>
        <source>it holds no fee above 0</source>
        <translation>sie enthält keine Gebühr über 0</translation>
    </message>
    <message>
        <source>%1 is a ruleset, which holds its own rules: no rules file goes with it</source>
        <translation>%1 ist ein Regelsatz mit eigenen Regeln: Dazu gehört keine Regeldatei</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a fee file: %2</source>
        <translation>%1 ist keine Gebührendatei: %2</translation>
    </message>
</context>
<context>
    <name>Period</name>
    <message>
        <source>1 Day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>28 Days</source>
        <translation>28 Tage</translation>
    </message>
    <message>
        <source>2 Months</source>
        <translation>2 Monate</translation>
    </message>
    <message>
        <source>3 Months</source>
        <translation>3 Monate</translation>
    </message>
    <message>
        <source>1 Year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>This bill</source>
        <translation>Diese Rechnung</translation>
    </message>
    <message>
        <source>The to date &quot;%1&quot; is not a date. Please type it as dd/mm/yyyy.</source>
        <translation>Das Enddatum „%1“ ist kein Datum. Bitte geben Sie es als TT/MM/JJJJ ein.</translation>
    </message>
    <message>
        <source>The from date &quot;%1&quot; is not a date. Please type it as dd/mm/yyyy.</source>
        <translation>Das Anfangsdatum „%1“ ist kein Datum. Bitte geben Sie es als TT/MM/JJJJ ein.</translation>
    </message>
</context>
<context>
    <name>PriceDifferences</name>
    <message>
        <source>Mondays</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sundays</source>
        <translation>Sonntag</translation>
    </message>
    <message numerus="yes">
        <source>under %n minutes</source>
        <translation>
            <numerusform>unter %n Minute</numerusform>
            <numerusform>unter %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>under %1 minutes</source>
        <translation>unter %1 Minuten</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>am %1</translation>
    </message>
    <message>
        <source>at %1:00-%1:59</source>
        <translation>zwischen %1:00 und %1:59</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1, more on the bill</source>
        <translation>%1, mehr auf der Rechnung</translation>
    </message>
    <message>
        <source>%1, less on the bill</source>
        <translation>%1, weniger auf der Rechnung</translation>
    </message>
    <message numerus="yes">
        <source>%n calls %1 differ by %2.</source>
        <translation>
            <numerusform>%n Anruf %1 weicht um %2 ab.</numerusform>
            <numerusform>%n Anrufe %1 weichen um %2 ab.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more calls differ.</source>
        <translation>
            <numerusform>%n weiterer Anruf weicht ab.</numerusform>
            <numerusform>%n weitere Anrufe weichen ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 call on %1 at %2 differs by %3.</source>
        <translation>1 Anruf am %1 um %2 weicht um %3 ab.</translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
</context>
<context>
    <name>RateChange</name>
    <message>
        <source>%1 pence</source>
        <comment>spoken</comment>
        <translation>%1 Cent</translation>
    </message>
    <message>
        <source>a minute</source>
        <translation>pro Minute</translation>
    </message>
    <message>
        <source>a second</source>
        <translation>pro Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>per %n seconds</source>
        <translation>
            <numerusform>pro %n Sekunde</numerusform>
            <numerusform>pro %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>At %1 the rate falls from %2 to %3 %4; this call would then cost %5 in all.</source>
        <translation>Um %1 sinkt der Tarif von %2 auf %3 %4; dieser Anruf würde dann insgesamt %5 kosten.</translation>
    </message>
    <message>
        <source>At %1 the rate rises from %2 to %3 %4; stay on and this whole call costs %5, hang up before and it costs %6.</source>
        <translation>Um %1 steigt der Tarif von %2 auf %3 %4; bleiben Sie dran, kostet der ganze Anruf %5, legen Sie vorher auf, kostet er %6.</translation>
    </message>
    <message>
        <source>No rate change today or tomorrow</source>
        <translation>Kein Tarifwechsel heute oder morgen</translation>
    </message>
    <message>
        <source>Next rate change: %1, %2 %3</source>
        <translation>Nächster Tarifwechsel: %1, %2 %3</translation>
    </message>
    <message>
        <source>Next rate change: tomorrow %1, %2 %3</source>
        <translation>Nächster Tarifwechsel: morgen %1, %2 %3</translation>
    </message>
</context>
<context>
    <name>Regional</name>
    <message>
        <source>%1 MB</source>
        <comment>a volume of data: 12.3 MB</comment>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>: that many days back from today; with --chart also &quot;%1&quot;, the bill&apos;s month.</source>
        <translation>: so viele Tage zurück ab heute; mit --chart auch „%1“, der Monat der Rechnung.</translation>
    </message>
    <message>
        <source>Read the data files from DIR instead of the data directory.</source>
        <translation>Die Datendateien aus DIR statt aus dem Datenverzeichnis lesen.</translation>
    </message>
    <message>
        <source>Count the period back from this day instead of the system&apos;s date.</source>
        <translation>Den Zeitraum ab diesem Tag statt ab dem Systemdatum zurückzählen.</translation>
    </message>
    <message>
        <source>Print the calls as CSV: date, start time, duration, fee in pence per minute and cost in pence; where calls&apos; bytes are kept (netbytes.ini), each call&apos;s bytes received and sent last.</source>
        <translation>Die Anrufe als CSV ausgeben: Datum, Beginn, Dauer, Gebühr in Cent pro Minute und Kosten in Cent; wo die Bytes der Anrufe gespeichert sind (netbytes.ini), zuletzt die empfangenen und gesendeten Bytes jedes Anrufs.</translation>
    </message>
    <message>
        <source>Draw the chart of daily costs into FILE, an .svg or a .png, instead of printing.</source>
        <translation>Das Diagramm der täglichen Kosten in DATEI zeichnen, eine .svg oder .png, statt auszugeben.</translation>
    </message>
    <message>
        <source>With --chart, draw the data each day&apos;s calls used, in MB, instead of their cost; for &quot;This bill&quot; the data tariff&apos;s bill month with its allowance&apos;s pace.</source>
        <translation>Mit --chart statt der Kosten die Daten zeichnen, die die Anrufe jedes Tages in MB verbraucht haben; bei „This bill“ den Rechnungsmonat des Datentarifs mit dem Tempo seines Inklusivvolumens.</translation>
    </message>
    <message>
        <source>The first day of a range of days, with --to.</source>
        <translation>Der erste Tag eines Zeitraums, mit --to.</translation>
    </message>
    <message>
        <source>The last day of the range, with --from.</source>
        <translation>Der letzte Tag des Zeitraums, mit --from.</translation>
    </message>
    <message>
        <source>Price the period&apos;s calls again by the fee file FILE (a copy of netfees.ini), or by the ruleset FILE.rst (kppp&apos;s accounting rules), and print both totals and the difference; with --csv both prices of each call, with --chart both running totals.</source>
        <translation>Die Anrufe des Zeitraums erneut nach der Gebührendatei FILE (einer Kopie von netfees.ini) oder nach dem Regelsatz FILE.rst (den Abrechnungsregeln von kppp) berechnen und beide Summen und die Differenz ausgeben; mit --csv beide Preise jedes Anrufs, mit --chart beide laufenden Summen.</translation>
    </message>
    <message>
        <source>With --tariff, the tariff rules of FILE (a copy of netrules.ini); without it the other tariff has none. A ruleset holds its own rules and takes no --rules.</source>
        <translation>Mit --tariff die Tarifregeln aus FILE (einer Kopie von netrules.ini); ohne diese Option hat der andere Tarif keine. Ein Regelsatz enthält seine eigenen Regeln und nimmt kein --rules.</translation>
    </message>
    <message>
        <source>Rank the fee file or ruleset FILE and today&apos;s tariff by what the period&apos;s calls cost, cheapest first. More files may follow it, or the option be given again; the period comes last.</source>
        <translation>Die Gebührendatei oder den Regelsatz FILE und den heutigen Tarif danach ordnen, was die Anrufe des Zeitraums kosten, den günstigsten zuerst. Weitere Dateien können folgen oder die Option wiederholt werden; der Zeitraum steht am Ende.</translation>
    </message>
    <message>
        <source>Check the operator&apos;s itemised bill, exported as CSV, against the log: the calls on one and not the other, those priced differently, both totals, and the tariff rules that would price the calls as billed. Without a period, the days of the bill&apos;s calls. A data bill (date, time, a volume in KB or MB, cost) is checked against the calls whose bytes are kept, matched by start and volume.</source>
        <translation>Die als CSV exportierte Einzelverbindungsübersicht des Anbieters mit dem Protokoll vergleichen: die Anrufe, die nur in einem von beiden stehen, die anders berechneten, beide Summen und die Tarifregeln, die die Anrufe wie abgerechnet berechnen würden. Ohne Zeitraum die Tage der Anrufe der Rechnung. Eine Datenrechnung (Datum, Uhrzeit, ein Volumen in KB oder MB, Kosten) wird mit den Anrufen verglichen, deren Bytes gespeichert sind, zugeordnet nach Beginn und Volumen.</translation>
    </message>
    <message>
        <source>--bill takes no period, range, --csv, --chart, --tariff, --compare or --statement</source>
        <translation>--bill nimmt keinen Zeitraum, keine Spanne, kein --csv, --chart, --tariff, --compare oder --statement</translation>
    </message>
    <message>
        <source>--data goes with --chart alone</source>
        <translation>--data gehört allein zu --chart</translation>
    </message>
    <message>
        <source>--rules goes with --tariff</source>
        <translation>--rules gehört zu --tariff</translation>
    </message>
    <message>
        <source>give either --tariff or --compare, not both</source>
        <translation>entweder --tariff oder --compare angeben, nicht beides</translation>
    </message>
    <message>
        <source>--compare prints a ranking, not --csv or --chart</source>
        <translation>--compare gibt eine Rangfolge aus, kein --csv oder --chart</translation>
    </message>
    <message>
        <source>--statement takes no --tariff or --compare</source>
        <translation>--statement nimmt kein --tariff oder --compare</translation>
    </message>
    <message>
        <source>--statement takes no --csv or --chart</source>
        <translation>--statement nimmt kein --csv oder --chart</translation>
    </message>
    <message>
        <source>one period only, not also &quot;%1&quot;</source>
        <translation>nur ein Zeitraum, nicht auch „%1“</translation>
    </message>
    <message>
        <source>--from needs --to</source>
        <translation>--from braucht --to</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to braucht --from</translation>
    </message>
    <message>
        <source>give either a period or --from and --to, not both</source>
        <translation>entweder einen Zeitraum oder --from und --to angeben, nicht beides</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>give either --csv or --chart, not both</source>
        <translation>entweder --csv oder --chart angeben, nicht beides</translation>
    </message>
    <message>
        <source>--chart %1: the file&apos;s name must end in .svg or .png</source>
        <translation>--chart %1: Der Dateiname muss auf .svg oder .png enden</translation>
    </message>
    <message>
        <source>%1 %2 is not a day of the calendar</source>
        <translation>%1 %2 ist kein Tag des Kalenders</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date DD/MM/YYYY</source>
        <translation>%1 „%2“ ist kein Datum TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>--dir %1: there is no such directory</source>
        <translation>--dir %1: Dieses Verzeichnis gibt es nicht</translation>
    </message>
    <message>
        <source>--dir %1: it is not a directory</source>
        <translation>--dir %1: Das ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>--dir %1: it cannot be read</source>
        <translation>--dir %1: Es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Bill&apos;s month: %1 to %2</source>
        <translation>Monat der Rechnung: %1 bis %2</translation>
    </message>
    <message>
        <source>Limit: %1</source>
        <translation>Limit: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>it holds no calls; give a period or --from and --to to check the log against it</source>
        <translation>sie enthält keine Anrufe; geben Sie einen Zeitraum oder --from und --to an, um das Protokoll damit zu vergleichen</translation>
    </message>
    <message>
        <source>unknown period &quot;%1&quot; (one of %2, or --from and --to; &quot;%3&quot; with --chart)</source>
        <translation>unbekannter Zeitraum „%1“ (einer von %2 oder --from und --to; „%3“ mit --chart)</translation>
    </message>
    <message>
        <source>%1, cheapest first:</source>
        <translation>%1, der günstigste zuerst:</translation>
    </message>
    <message>
        <source>Usage: %1
Prints the calls and costs of a period from the call log, the bill&apos;s month with its forecast, what the period&apos;s calls would have cost by other tariffs, or an operator&apos;s bill checked against the log. --from and --to may stand for PERIOD wherever it is asked for.</source>
        <translation>Aufruf: %1
Gibt die Anrufe und Kosten eines Zeitraums aus dem Anrufprotokoll aus, den Monat der Rechnung mit seiner Prognose, was die Anrufe des Zeitraums mit anderen Tarifen gekostet hätten, oder die Rechnung eines Anbieters im Vergleich mit dem Protokoll. --from und --to können überall für PERIOD stehen, wo es verlangt wird.</translation>
    </message>
    <message>
        <source>Print the bill&apos;s month: its days, what it has cost so far (the data bundle&apos;s monthly fee with it), its forecast and the spending limit, as the alerts window shows them, the call being timed included; then the data used on links billed by volume and, with a data tariff (netdata.ini) that has an allowance, what is left, the daily budget and the day it runs out.</source>
        <translation>Gibt den Rechnungsmonat aus: seine Tage, was er bisher gekostet hat (mit der Monatsgebühr des Datenpakets), seine Prognose und das Ausgabenlimit, wie das Fenster der Warnungen sie zeigt, den laufenden Anruf eingeschlossen; dann die auf nach Volumen abgerechneten Verbindungen genutzten Daten und, mit einem Datentarif (netdata.ini) mit Inklusivvolumen, was übrig ist, das Tagesbudget und den Tag, an dem es aufgebraucht ist.</translation>
    </message>
</context>
<context>
    <name>RuleSuggestion</name>
    <message>
        <source>No call is on both the bill and the log, so the rules cannot be tried on them.</source>
        <translation>Kein Anruf steht sowohl auf der Rechnung als auch im Protokoll, daher können die Regeln nicht an ihnen erprobt werden.</translation>
    </message>
    <message>
        <source>Every call on both the bill and the log is priced as billed.</source>
        <translation>Jeder Anruf, der auf der Rechnung und im Protokoll steht, ist wie abgerechnet berechnet.</translation>
    </message>
    <message numerus="yes">
        <source>No setting of the rules makes more than the %n of %1 calls match that match now.</source>
        <translation>
            <numerusform>Keine Einstellung der Regeln bringt mehr als den %n von %1 Anrufen zur Übereinstimmung, der jetzt übereinstimmt.</numerusform>
            <numerusform>Keine Einstellung der Regeln bringt mehr als die %n von %1 Anrufen zur Übereinstimmung, die jetzt übereinstimmen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The rules as they are set now would make %n of %1 calls match: these calls were priced before they were set.</source>
        <translation>
            <numerusform>Mit den jetzt eingestellten Regeln würde %n von %1 Anrufen übereinstimmen: Dieser Anruf wurde berechnet, bevor sie eingestellt wurden.</numerusform>
            <numerusform>Mit den jetzt eingestellten Regeln würden %n von %1 Anrufen übereinstimmen: Diese Anrufe wurden berechnet, bevor sie eingestellt wurden.</numerusform>
        </translation>
    </message>
    <message>
        <source>a fee per call of %1</source>
        <translation>einer Gebühr pro Anruf von %1</translation>
    </message>
    <message>
        <source>no fee per call</source>
        <translation>keiner Gebühr pro Anruf</translation>
    </message>
    <message>
        <source>%1 units</source>
        <translation>Einheiten %1</translation>
    </message>
    <message>
        <source>every minute begun charged whole</source>
        <translation>jeder begonnenen Minute voll berechnet</translation>
    </message>
    <message>
        <source>a flat first charge of %1</source>
        <translation>einem festen ersten Betrag von %1</translation>
    </message>
    <message>
        <source>no first charge</source>
        <translation>keinem ersten Betrag</translation>
    </message>
    <message>
        <source>a minimum charge of %1</source>
        <translation>einem Mindestbetrag von %1</translation>
    </message>
    <message>
        <source>no minimum charge</source>
        <translation>keinem Mindestbetrag</translation>
    </message>
    <message>
        <source>each unit at its own rate</source>
        <translation>jeder Einheit zu ihrem eigenen Tarif</translation>
    </message>
    <message>
        <source>each call at its last fee</source>
        <translation>jedem Anruf zu seiner letzten Gebühr</translation>
    </message>
    <message>
        <source>the %1 holidays</source>
        <translation>den Feiertagen von %1</translation>
    </message>
    <message>
        <source>no minimum connect time</source>
        <translation>keiner Mindestverbindungsdauer</translation>
    </message>
    <message numerus="yes">
        <source>a minimum connect time of %n minutes</source>
        <translation>
            <numerusform>einer Mindestverbindungsdauer von %n Minute</numerusform>
            <numerusform>einer Mindestverbindungsdauer von %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>a minimum connect time of %1 minutes</source>
        <translation>einer Mindestverbindungsdauer von %1 Minuten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>With %1, %n of %2 calls would match.</source>
        <translation>
            <numerusform>Mit %1 würde %n von %2 Anrufen übereinstimmen.</numerusform>
            <numerusform>Mit %1 würden %n von %2 Anrufen übereinstimmen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuleWords</name>
    <message>
        <source>Mon</source>
        <extracomment>A day in rules by time and its short name, as &quot;Mon-Fri&quot; is written</extracomment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Easter</source>
        <extracomment>Easter Sunday in holiday lines and rules by time, as in &quot;Easter-2&quot;; one word</extracomment>
        <translation>Ostern</translation>
    </message>
    <message>
        <source>Holidays</source>
        <extracomment>The holiday lines&apos; days in rules by time, as in &quot;Sat-Sun,Holidays&quot;; one word</extracomment>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>England and Wales</source>
        <extracomment>The holiday line of the bank holidays of England and Wales</extracomment>
        <translation>England und Wales</translation>
    </message>
    <message>
        <source>a minute</source>
        <extracomment>A price a minute, as in &quot;4.20 a minute&quot;</extracomment>
        <translation>pro Minute</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>A price per unit, as in &quot;10 per 90 s&quot;</extracomment>
        <translation>pro</translation>
    </message>
    <message>
        <source>after</source>
        <extracomment>How far into a call a rule begins, as in &quot;0.50 a minute after 60 min&quot;</extracomment>
        <translation>nach</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Minutes, as in &quot;after 60 min&quot;</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Seconds, as in &quot;per 90 s&quot;</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>A price of nothing, as in &quot;Sun 00:00-23:59 free&quot;</extracomment>
        <translation>kostenlos</translation>
    </message>
    <message>
        <source>in %1 units</source>
        <extracomment>The length of the units a price a minute is charged in, as in &quot;4.20 a minute in 12 s units&quot;</extracomment>
        <translation>im Takt von %1</translation>
    </message>
</context>
<context>
    <name>RulesFile</name>
    <message>
        <source>not an amount of pence</source>
        <translation>kein Betrag in Cent</translation>
    </message>
    <message>
        <source>a unit cannot be 0 seconds</source>
        <translation>eine Einheit kann nicht 0 Sekunden lang sein</translation>
    </message>
    <message>
        <source>not charge units such as 60/1</source>
        <translation>keine Takteinheiten wie 60/1</translation>
    </message>
    <message>
        <source>a first charge needs charge units on line 2</source>
        <translation>ein erster Betrag braucht Takteinheiten in Zeile 2</translation>
    </message>
    <message>
        <source>neither 1 nor 0</source>
        <translation>weder 1 noch 0</translation>
    </message>
    <message>
        <source>line %1, &quot;%2&quot;: %3</source>
        <translation>Zeile %1, „%2“: %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>more lines than a rules file holds</source>
        <translation>mehr Zeilen, als eine Regeldatei enthält</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>not a day Callwise knows</source>
        <translation>kein Tag, den Callwise kennt</translation>
    </message>
</context>
<context>
    <name>RulesetImport</name>
    <message>
        <source>a rule reads &quot;on (days) between (times) use (cost, seconds)&quot;</source>
        <translation>eine Regel lautet „on (Tage) between (Zeiten) use (Kosten, Sekunden)“</translation>
    </message>
    <message>
        <source>it is neither a setting &quot;name=value&quot; nor an &quot;on&quot; rule</source>
        <translation>es ist weder eine Einstellung „Name=Wert“ noch eine „on“-Regel</translation>
    </message>
    <message>
        <source>default is set already on line %1</source>
        <translation>default ist bereits in Zeile %1 gesetzt</translation>
    </message>
    <message>
        <source>a default after %1 s is set already on line %2</source>
        <translation>ein default nach %1 s ist bereits in Zeile %2 gesetzt</translation>
    </message>
    <message>
        <source>Callwise cannot write this rule exactly (&quot;%1&quot;)</source>
        <translation>Callwise kann diese Regel nicht genau schreiben („%1“)</translation>
    </message>
    <message>
        <source>a flat first charge has no &quot;after&quot;</source>
        <translation>ein fester erster Betrag hat kein „after“</translation>
    </message>
    <message>
        <source>Ruleset: %1</source>
        <translation>Regelsatz: %1</translation>
    </message>
    <message>
        <source>Every day from 00:00: %1 a minute</source>
        <translation>Jeden Tag ab 00:00: %1 pro Minute</translation>
    </message>
    <message>
        <source>Every day: %1 per %2 s, by the first rule by time (%3 a minute shown)</source>
        <translation>Jeden Tag: %1 pro %2 s, nach der ersten Regel nach Uhrzeit (%3 pro Minute angezeigt)</translation>
    </message>
    <message>
        <source>Charge units: %1, each at the rate in force when it begins</source>
        <translation>Takteinheiten: %1, jede zum Tarif, der bei ihrem Beginn gilt</translation>
    </message>
    <message>
        <source>First charge: %1 for the first %2 s</source>
        <translation>Erster Betrag: %1 für die ersten %2 s</translation>
    </message>
    <message>
        <source>Fee per call: %1</source>
        <translation>Gebühr pro Anruf: %1</translation>
    </message>
    <message>
        <source>Minimum charge: %1</source>
        <translation>Mindestbetrag: %1</translation>
    </message>
    <message>
        <source>Min connect time: 0</source>
        <translation>Mindestverbindungsdauer: 0</translation>
    </message>
    <message>
        <source>Rules by time:</source>
        <translation>Regeln nach Uhrzeit:</translation>
    </message>
    <message>
        <source>it has no default=(cost, seconds), the price where no rule applies</source>
        <translation>er hat kein default=(Kosten, Sekunden), den Preis, wo keine Regel gilt</translation>
    </message>
    <message>
        <source>the position is left or right</source>
        <translation>die Position ist left oder right</translation>
    </message>
    <message>
        <source>the digits are a whole number from 0 to 9</source>
        <translation>die Nachkommastellen sind eine ganze Zahl von 0 bis 9</translation>
    </message>
    <message>
        <source>a ruleset is not this long</source>
        <translation>so lang ist kein Regelsatz</translation>
    </message>
    <message>
        <source>line %1, &quot;%2&quot;: %3</source>
        <translation>Zeile %1, „%2“: %3</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>er kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not (cost, seconds) or (cost, seconds, after)</source>
        <translation>„%1“ ist nicht (Kosten, Sekunden) oder (Kosten, Sekunden, nach)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting of a ruleset</source>
        <translation>„%1“ ist keine Einstellung eines Regelsatzes</translation>
    </message>
    <message>
        <source>Prices in %1, each amount below in hundredths of it</source>
        <translation>Preise in %1, jeder Betrag unten in Hundertsteln davon</translation>
    </message>
    <message>
        <source>Every day: by the rules by time, which cover every minute</source>
        <translation>Jeden Tag: nach den Regeln nach Uhrzeit, die jede Minute abdecken</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>it has no default=(cost, seconds), and no rule prices a call that begins on %1 at %2</source>
        <translation>er hat kein default=(Kosten, Sekunden), und keine Regel berechnet einen Anruf, der an einem %1 um %2 beginnt</translation>
    </message>
    <message>
        <source>Amounts will show in your own currency, %1, as the ruleset&apos;s figures: Callwise converts no currency.</source>
        <translation>Beträge erscheinen in Ihrer eigenen Währung, %1, mit den Zahlen des Regelsatzes: Callwise rechnet keine Währung um.</translation>
    </message>
</context>
<context>
    <name>RulesetWords</name>
    <message>
        <source>a price cannot be below 0</source>
        <translation>ein Preis kann nicht unter 0 liegen</translation>
    </message>
    <message>
        <source>a unit cannot be 0 seconds</source>
        <translation>eine Einheit kann nicht 0 Sekunden lang sein</translation>
    </message>
    <message>
        <source>a unit cannot be longer than 3600 seconds</source>
        <translation>eine Einheit kann nicht länger als 3600 Sekunden sein</translation>
    </message>
    <message>
        <source>%1 is no day of the year</source>
        <translation>%1 ist kein Tag des Jahres</translation>
    </message>
    <message>
        <source>%1 is no weekday, date (mm/dd or dd.mm) or day from easter</source>
        <translation>%1 ist weder ein Wochentag noch ein Datum (mm/tt oder tt.mm) noch ein Tag ab Ostern</translation>
    </message>
    <message>
        <source>%1 joins days of two kinds; a range runs from weekday to weekday, date to date or easter to easter</source>
        <translation>%1 verbindet Tage zweier Arten; eine Spanne reicht von Wochentag zu Wochentag, von Datum zu Datum oder von Ostern zu Ostern</translation>
    </message>
    <message>
        <source>%1 must run forwards over at most %2 days</source>
        <translation>%1 muss vorwärts über höchstens %2 Tage laufen</translation>
    </message>
    <message>
        <source>%1 is no time of day (h:mm)</source>
        <translation>%1 ist keine Uhrzeit (h:mm)</translation>
    </message>
    <message>
        <source>%1 is no amount</source>
        <translation>%1 ist kein Betrag</translation>
    </message>
    <message>
        <source>%1 is no whole number of seconds</source>
        <translation>%1 ist keine ganze Zahl von Sekunden</translation>
    </message>
    <message>
        <source>%1 is past a day (86400 s), the most Callwise counts into a call</source>
        <translation>%1 liegt über einem Tag (86400 s), dem Höchsten, das Callwise in einen Anruf hinein zählt</translation>
    </message>
    <message>
        <source>%1 is no range of times (h:mm..h:mm)</source>
        <translation>%1 ist keine Zeitspanne (h:mm..h:mm)</translation>
    </message>
    <message>
        <source>%1 has more digits than any price (at most 30)</source>
        <translation>%1 hat mehr Stellen, als ein Preis haben kann (höchstens 30)</translation>
    </message>
    <message>
        <source>%1 is no number of seconds (to the thousandth at most)</source>
        <translation>%1 ist keine Anzahl Sekunden (höchstens auf das Tausendstel genau)</translation>
    </message>
    <message>
        <source>a first charge cannot be longer than a day (86400 seconds)</source>
        <translation>ein erster Betrag kann nicht länger als einen Tag gelten (86400 Sekunden)</translation>
    </message>
</context>
<context>
    <name>SpendingChart</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>   With %1 %2</source>
        <translation>   Mit %1 %2</translation>
    </message>
    <message>
        <source>%1   Total %2%3</source>
        <translation>%1   Summe %2%3</translation>
    </message>
    <message>
        <source>Bill %1   Spent %2</source>
        <translation>Rechnung %1   Ausgegeben %2</translation>
    </message>
    <message>
        <source>   Expected %1</source>
        <translation>   Erwartet %1</translation>
    </message>
    <message>
        <source>   Limit %1</source>
        <translation>   Limit %1</translation>
    </message>
    <message>
        <source>No calls in this period.</source>
        <translation>Keine Anrufe in diesem Zeitraum.</translation>
    </message>
</context>
<context>
    <name>SpokenWords</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dollars</source>
        <translation>
            <numerusform>%n Dollar</numerusform>
            <numerusform>%n Dollar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cents</source>
        <translation>
            <numerusform>%n Cent</numerusform>
            <numerusform>%n Cent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pounds</source>
        <translation>
            <numerusform>%n Pfund</numerusform>
            <numerusform>%n Pfund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pence</source>
        <translation>
            <numerusform>%n Penny</numerusform>
            <numerusform>%n Pence</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n euros</source>
        <translation>
            <numerusform>%n Euro</numerusform>
            <numerusform>%n Euro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n euro cents</source>
        <translation>
            <numerusform>%n Cent</numerusform>
            <numerusform>%n Cent</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>money</comment>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>the date</source>
        <translation>das Datum (date)</translation>
    </message>
    <message>
        <source>the time or start</source>
        <translation>die Uhrzeit (time oder start)</translation>
    </message>
    <message>
        <source>the duration or length</source>
        <translation>die Dauer (duration oder length)</translation>
    </message>
    <message>
        <source>the cost, charge, amount or price</source>
        <translation>die Kosten (cost, charge, amount oder price)</translation>
    </message>
    <message>
        <source>the date or the start</source>
        <translation>das Datum oder den Beginn</translation>
    </message>
    <message>
        <source>the columns of the calls cannot be found: no header names %1 (looked for a header line naming %2)</source>
        <translation>die Spalten der Anrufe sind nicht zu finden: Keine Überschrift nennt %1 (gesucht wurde eine Überschriftszeile, die %2 nennt)</translation>
    </message>
    <message>
        <source>; no header names </source>
        <translation>; keine Überschrift nennt </translation>
    </message>
    <message>
        <source>the columns of the calls cannot be found: no header names the date, and the time column holds no dates</source>
        <translation>die Spalten der Anrufe sind nicht zu finden: Keine Überschrift nennt das Datum, und die Spalte der Uhrzeit enthält keine Daten</translation>
    </message>
    <message>
        <source>the columns of the calls cannot be found: no header names the time or start, and the date column holds no times</source>
        <translation>die Spalten der Anrufe sind nicht zu finden: Keine Überschrift nennt die Uhrzeit oder den Beginn, und die Spalte des Datums enthält keine Uhrzeiten</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>Zeilen %1 bis %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1: %2 is missing</source>
        <translation>%1: %2 fehlt</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is not %4</source>
        <translation>%1: %2 „%3“ ist nicht %4</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>der Beginn</translation>
    </message>
    <message>
        <source>a date and a time of day</source>
        <translation>ein Datum und eine Uhrzeit</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>ein Datum</translation>
    </message>
    <message>
        <source>the time</source>
        <translation>die Uhrzeit</translation>
    </message>
    <message>
        <source>a time of day</source>
        <translation>eine Uhrzeit</translation>
    </message>
    <message>
        <source>the duration</source>
        <translation>die Dauer</translation>
    </message>
    <message>
        <source>hh:mm:ss, mm:ss or seconds</source>
        <translation>hh:mm:ss, mm:ss oder Sekunden</translation>
    </message>
    <message>
        <source>the volume</source>
        <translation>das Volumen</translation>
    </message>
    <message>
        <source>an amount of data such as 12.3 MB</source>
        <translation>eine Datenmenge wie 12.3 MB</translation>
    </message>
    <message>
        <source>the cost</source>
        <translation>die Kosten</translation>
    </message>
    <message>
        <source>an amount of money</source>
        <translation>ein Geldbetrag</translation>
    </message>
    <message>
        <source>no row holds a call that can be read (%1)</source>
        <translation>keine Zeile enthält einen lesbaren Anruf (%1)</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, too large for a bill</source>
        <translation>sie ist größer als %1 MB, zu groß für eine Rechnung</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The call log holds an entry of %1 that cannot be read, so no summary can be shown.</source>
        <translation>Das Anrufprotokoll enthält einen unlesbaren Eintrag vom %1, daher kann keine Übersicht gezeigt werden.</translation>
    </message>
    <message>
        <source>The period lies outside the dates a call log can hold, so no summary can be shown.</source>
        <translation>Der Zeitraum liegt außerhalb der Daten, die ein Anrufprotokoll enthalten kann, daher kann keine Übersicht gezeigt werden.</translation>
    </message>
    <message>
        <source>Date     -           Time      - Connection - Cost per min - Cost</source>
        <comment>the column headings over the summary&apos;s lines: keep each word over its column</comment>
        <translation>Datum    -           Zeit      - Verbindung - Preis/Min    - Kosten</translation>
    </message>
    <message>
        <source>Total Time = </source>
        <translation>Gesamtdauer = </translation>
    </message>
    <message>
        <source>Total Calls Cost= %1</source>
        <translation>Gesamtkosten der Anrufe = %1</translation>
    </message>
    <message>
        <source>Total Data = %1 (%2 received, %3 sent)</source>
        <translation>Daten gesamt = %1 (%2 empfangen, %3 gesendet)</translation>
    </message>
    <message>
        <source>Callwise Call Costs Summary</source>
        <translation>Callwise - Übersicht der Anrufkosten</translation>
    </message>
    <message>
        <source>%1 by volume</source>
        <comment>in a data call&apos;s line, where other calls show their price a minute</comment>
        <translation>%1 nach Volumen</translation>
    </message>
</context>
<context>
    <name>TariffComparison</name>
    <message>
        <source>the same</source>
        <translation>gleich viel</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 mehr</translation>
    </message>
    <message>
        <source>%1 less</source>
        <translation>%1 weniger</translation>
    </message>
    <message>
        <source>With %1 these calls would have cost %2: %3.</source>
        <translation>Mit %1 hätten diese Anrufe %2 gekostet: %3.</translation>
    </message>
    <message>
        <source>Today&apos;s tariff</source>
        <translation>Heutiger Tarif</translation>
    </message>
    <message numerus="yes">
        <source>%n calls from %1 to %2</source>
        <translation>
            <numerusform>%n Anruf vom %1 bis %2</numerusform>
            <numerusform>%n Anrufe vom %1 bis %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TimeRules</name>
    <message>
        <source>%1 is not a day</source>
        <translation>%1 ist kein Tag</translation>
    </message>
    <message>
        <source>%1 is not a day of the calendar</source>
        <translation>%1 ist kein Tag des Kalenders</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>die Zeile ist leer</translation>
    </message>
    <message>
        <source>no times of day are given, such as 08:00-17:59</source>
        <translation>keine Uhrzeiten angegeben, etwa 08:00-17:59</translation>
    </message>
    <message>
        <source>no days are named</source>
        <translation>keine Tage genannt</translation>
    </message>
    <message>
        <source>%1 is not a time of day</source>
        <translation>%1 ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>no price is given</source>
        <translation>kein Preis angegeben</translation>
    </message>
    <message>
        <source>a price cannot be below 0</source>
        <translation>ein Preis kann nicht unter 0 liegen</translation>
    </message>
    <message>
        <source>%1 is not a price such as &quot;4.20 a minute&quot; or &quot;10 per 90 s&quot;</source>
        <translation>%1 ist kein Preis wie „4,20 pro Minute“ oder „10 pro 90 s“</translation>
    </message>
    <message>
        <source>a price cannot be over 1000000 pence</source>
        <translation>ein Preis kann 1000000 Cent nicht übersteigen</translation>
    </message>
    <message>
        <source>units are counted in seconds</source>
        <translation>Einheiten werden in Sekunden gezählt</translation>
    </message>
    <message>
        <source>%1 is not seconds or minutes</source>
        <translation>%1 ist weder Sekunden noch Minuten</translation>
    </message>
    <message>
        <source>the price says neither &quot;a minute&quot; nor &quot;per&quot; a unit</source>
        <translation>der Preis nennt weder „pro Minute“ noch „pro“ eine Einheit</translation>
    </message>
    <message>
        <source>a unit cannot be 0 seconds</source>
        <translation>eine Einheit kann nicht 0 Sekunden lang sein</translation>
    </message>
    <message>
        <source>a unit cannot be over 3600 seconds</source>
        <translation>eine Einheit kann 3600 Sekunden nicht übersteigen</translation>
    </message>
    <message>
        <source>a rule cannot begin over 24 hours into a call</source>
        <translation>eine Regel kann nicht später als 24 Stunden nach Beginn eines Anrufs einsetzen</translation>
    </message>
    <message>
        <source>a unit is counted to the thousandth of a second at most</source>
        <translation>eine Einheit wird höchstens auf die Tausendstelsekunde genau gezählt</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Callwise V2.5</source>
        <translation>Über Callwise V2.5</translation>
    </message>
    <message>
        <source>Version 2.5</source>
        <translation>Version 2.5</translation>
    </message>
    <message>
        <source>Times every call of your dial-up line, prices it live from your weekly tariff, logs it, and totals the calls of any period.</source>
        <translation>Misst jeden Anruf Ihrer Einwahlleitung, berechnet ihn live nach Ihrem Wochentarif, protokolliert ihn und summiert jeden Zeitraum.</translation>
    </message>
    <message>
        <source>Maintainers: the Callwise team
callwise-maintainers@lists.example.org</source>
        <translation>Betreuer: das Callwise-Team
callwise-maintainers@lists.example.org</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmAlerts</name>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>every minute</source>
        <translation>jede Minute</translation>
    </message>
    <message numerus="yes">
        <source>every %n minutes</source>
        <translation>
            <numerusform>jede Minute</numerusform>
            <numerusform>alle %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <translation>
            <numerusform>%n Sekunde vorher</numerusform>
            <numerusform>%n Sekunden vorher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n Minute vorher</numerusform>
            <numerusform>%n Minuten vorher</numerusform>
        </translation>
    </message>
    <message>
        <source>Speak the call cost</source>
        <translation>Anrufkosten ansagen</translation>
    </message>
    <message>
        <source>Warn me before each new minute:</source>
        <translation>Vor jeder neuen Minute warnen:</translation>
    </message>
    <message>
        <source>Tell me before the rate changes:</source>
        <translation>Vor einem Tarifwechsel Bescheid geben:</translation>
    </message>
    <message>
        <source>Warn me when this month&apos;s calls pass</source>
        <translation>Warnen ab Monatskosten von</translation>
    </message>
    <message>
        <source>My bill starts on day</source>
        <translation>Meine Rechnung beginnt am Tag</translation>
    </message>
    <message>
        <source>Warn me when the data allowance is</source>
        <translation>Warnen, wenn das Inklusivvolumen</translation>
    </message>
    <message>
        <source>%1 % used</source>
        <translation>zu %1 % verbraucht ist</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Please enter the limit as an amount, or leave it empty for none.</source>
        <translation>Bitte geben Sie das Limit als Betrag ein oder lassen Sie es für keines leer.</translation>
    </message>
    <message>
        <source>The alert choices could not be saved: %1</source>
        <translation>Die Auswahl der Warnungen konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Speech Alerts</source>
        <translation>Sprachwarnungen</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Keine Sprachausgabe installiert.</translation>
    </message>
</context>
<context>
    <name>frmBillCheck</name>
    <message>
        <source>&amp;Apply suggested rules</source>
        <translation>Vorschlag &amp;übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>it holds no calls</source>
        <translation>sie enthält keine Anrufe</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The operator&apos;s bill</source>
        <translation>Die Rechnung des Anbieters</translation>
    </message>
    <message>
        <source>Itemised bills (*.csv *.txt);;All files (*)</source>
        <translation>Einzelverbindungsnachweise (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Check a Bill</source>
        <translation>Rechnung prüfen</translation>
    </message>
</context>
<context>
    <name>frmCallwise</name>
    <message>
        <source>Start Time:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>Call Cost :</source>
        <translation>Kosten:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message>
        <source>&amp;Costs</source>
        <translation>&amp;Kosten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Callwise</source>
        <translation>&amp;Callwise</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Set Fee&apos;s</source>
        <translation>&amp;Gebühren</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Spending C&amp;hart</source>
        <translation>Ausgaben&amp;diagramm</translation>
    </message>
    <message>
        <source>S&amp;peech Alerts</source>
        <translation>S&amp;prachwarnungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Callwise V2.5</source>
        <translation>Callwise V2.5</translation>
    </message>
</context>
<context>
    <name>frmChart</name>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Vom</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Fee files (*.ini);;All files (*)</source>
        <translation>Gebührendateien (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Spending Chart</source>
        <translation>Ausgabendiagramm</translation>
    </message>
</context>
<context>
    <name>frmCosts</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Time Total</source>
        <translation>Gesamtdauer</translation>
    </message>
    <message>
        <source>Cost Total</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n calls priced without the rules</source>
        <comment>the window&apos;s title first</comment>
        <translation>
            <numerusform>%1 - %n Anruf ohne die Regeln berechnet</numerusform>
            <numerusform>%1 - %n Anrufe ohne die Regeln berechnet</numerusform>
        </translation>
    </message>
    <message>
        <source>Summary type&gt;</source>
        <translation>Übersicht&gt;</translation>
    </message>
    <message>
        <source>Summary type</source>
        <translation>Art der Übersicht</translation>
    </message>
    <message>
        <source>From Date</source>
        <translation>Vom</translation>
    </message>
    <message>
        <source>Date box</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>To Date</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>date box2</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>Calls of the period</source>
        <translation>Anrufe des Zeitraums</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Please enter from and to dates.</source>
        <translation>Bitte geben Sie das Anfangs- und das Enddatum ein.</translation>
    </message>
    <message>
        <source>Print Displayed Summary?</source>
        <translation>Angezeigte Übersicht drucken?</translation>
    </message>
    <message>
        <source>Clear List Permenantly?</source>
        <translation>Liste endgültig leeren?</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Beim Drucken ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>Internet Phone Costs</source>
        <translation>Internet-Telefonkosten</translation>
    </message>
</context>
<context>
    <name>frmDataFees</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Data Tariff</source>
        <translation>Datentarif</translation>
    </message>
    <message>
        <source>&amp;Price data by volume</source>
        <translation>Daten nach &amp;Volumen berechnen</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>ab</translation>
    </message>
    <message>
        <source>p a MB</source>
        <translation>ct/MB</translation>
    </message>
    <message>
        <source>%1, band %2, from</source>
        <translation>%1, Zone %2, ab</translation>
    </message>
    <message>
        <source>%1, band %2, pence a MB</source>
        <translation>%1, Zone %2, Cent pro MB</translation>
    </message>
    <message>
        <source>&amp;Allowance (MB)</source>
        <translation>&amp;Inklusivvolumen (MB)</translation>
    </message>
    <message>
        <source>Monthly &amp;fee (pence)</source>
        <translation>Monatliche &amp;Gebühr (Cent)</translation>
    </message>
    <message>
        <source>&amp;Bill starts on day (1 to 28)</source>
        <translation>&amp;Rechnungsbeginn (1. bis 28.)</translation>
    </message>
    <message>
        <source>B&amp;eyond the allowance (p a MB)</source>
        <translation>Ü&amp;ber dem Inklusivvolumen (ct/MB)</translation>
    </message>
    <message>
        <source>Bytes in a MB (si&amp;ze)</source>
        <translation>Bytes pro &amp;MB (Größe)</translation>
    </message>
    <message>
        <source>&amp;Round each session up to (bytes)</source>
        <translation>Jede Sitzung a&amp;ufrunden auf (Byte)</translation>
    </message>
    <message>
        <source>A band without a price never applies; 0 is free data. No allowance: every MB at its band&apos;s price. Nothing beyond the allowance: data stops or slows there.</source>
        <translation>Eine Zone ohne Preis gilt nie; 0 heißt kostenlose Daten. Ohne Inklusivvolumen: jedes MB zum Preis seiner Zone. Nichts über dem Inklusivvolumen: Die Daten stoppen dort oder werden gedrosselt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 The window shows a new data tariff; OK saves it.</source>
        <translation>%1 Das Fenster zeigt einen neuen Datentarif; OK speichert ihn.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; %3.</source>
        <translation>%1: „%2“ %3.</translation>
    </message>
    <message>
        <source>The data tariff could not be saved: %1</source>
        <translation>Der Datentarif konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>frmDays</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Set your telephone costs in pence for each day(24hr clock) from midnight.</source>
        <translation>Ihre Telefongebühren in Cent für jeden Tag (24-Stunden-Uhr) ab Mitternacht.</translation>
    </message>
    <message>
        <source>min connect time</source>
        <translation>Mindestdauer</translation>
    </message>
    <message>
        <source>Minimum connect time in minutes</source>
        <translation>Mindestverbindungsdauer in Minuten</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Rules...</source>
        <translation>&amp;Regeln...</translation>
    </message>
    <message>
        <source>&amp;Data...</source>
        <translation>&amp;Daten...</translation>
    </message>
    <message>
        <source>Time&apos;s</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Fee&apos;s</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>%1, band %2, </source>
        <translation>%1, Zone %2, </translation>
    </message>
    <message>
        <source>from</source>
        <translation>ab</translation>
    </message>
    <message>
        <source>pence a minute</source>
        <translation>Cent pro Minute</translation>
    </message>
    <message>
        <source>Days and Fees</source>
        <translation>Tage und Gebühren</translation>
    </message>
    <message>
        <source>Save your changes to the fees and the min connect time?</source>
        <translation>Ihre Änderungen an den Gebühren und der Mindestverbindungsdauer speichern?</translation>
    </message>
</context>
<context>
    <name>frmModem</name>
    <message>
        <source>Connect Scan Interval</source>
        <translation>Verbindungsprüfung alle</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 Sekunden</translation>
    </message>
    <message>
        <source>20 seconds</source>
        <translation>20 Sekunden</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>Auto Run on Start up</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Splash on Start Up</source>
        <translation>Startbild anzeigen</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Settings.</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 has been changed since the settings window opened. Replace it with the links shown in the window?</source>
        <translation>%1 wurde geändert, seit das Einstellungsfenster geöffnet wurde. Durch die im Fenster gezeigten Verbindungen ersetzen?</translation>
    </message>
    <message>
        <source>How the links are billed could not be saved to %1: %2</source>
        <translation>Die Abrechnung der Verbindungen konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>a character the rules file cannot hold</source>
        <translation>ein Zeichen, das die Regeldatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>The rules file could not be used, so calls are priced by the fees alone. %1.</source>
        <translation>Die Regeldatei konnte nicht verwendet werden, daher werden die Anrufe nur nach den Gebühren berechnet. %1.</translation>
    </message>
    <message>
        <source>&amp;Fee per call (pence)</source>
        <translation>&amp;Gebühr pro Anruf (Cent)</translation>
    </message>
    <message>
        <source>Time &amp;charged (first/unit seconds)</source>
        <translation>Abgerechnete &amp;Zeit (erste/Einheit, s)</translation>
    </message>
    <message>
        <source>Fi&amp;rst charge (pence)</source>
        <translation>Erster &amp;Betrag (Cent)</translation>
    </message>
    <message>
        <source>the units&apos; share</source>
        <translation>den Anteil der Einheiten</translation>
    </message>
    <message>
        <source>&amp;Minimum charge per call (pence)</source>
        <translation>&amp;Mindestbetrag pro Anruf (Cent)</translation>
    </message>
    <message>
        <source>Each &amp;unit at its own rate</source>
        <translation>Jede Einheit zu ihrem eigenen &amp;Tarif</translation>
    </message>
    <message>
        <source>&amp;Holidays priced as Sundays, one a line:</source>
        <translation>&amp;Feiertage wie Sonntage berechnet, einer pro Zeile:</translation>
    </message>
    <message>
        <source>The bank holidays of &amp;England and Wales</source>
        <translation>Die gesetzlichen Feiertage von &amp;England und Wales</translation>
    </message>
    <message>
        <source>Such as 25/12, 27/12/2027, Easter-2 or Easter+1</source>
        <translation>Etwa 25/12, 27/12/2027, Ostern-2 oder Ostern+1</translation>
    </message>
    <message>
        <source>Rules by &amp;time, one a line:</source>
        <translation>Regeln nach &amp;Uhrzeit, eine pro Zeile:</translation>
    </message>
    <message>
        <source>Rules by time, one a line</source>
        <translation>Regeln nach Uhrzeit, eine pro Zeile</translation>
    </message>
    <message>
        <source>Such as Mon-Fri 08:00-17:59 4.20 a minute, or Sat-Sun 00:00-23:59 10 per 90 s</source>
        <translation>Etwa Mo-Fr 08:00-17:59 4,20 pro Minute oder Sa-So 00:00-23:59 10 pro 90 s</translation>
    </message>
    <message>
        <source>Check a &amp;bill...</source>
        <translation>&amp;Rechnung prüfen...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter the fee per call in pence, such as 15 or 1.5, or leave it empty for none.</source>
        <translation>Bitte geben Sie die Gebühr pro Anruf in Cent ein, etwa 15 oder 1,5, oder lassen Sie sie für keine leer.</translation>
    </message>
    <message>
        <source>Please enter the first charge in pence, such as 9.1, or leave it empty for the units&apos; share of the fee.</source>
        <translation>Bitte geben Sie den ersten Betrag in Cent ein, etwa 9,1, oder lassen Sie ihn für den Anteil der Einheiten an der Gebühr leer.</translation>
    </message>
    <message>
        <source>Please enter the minimum charge per call in pence, such as 20, or leave it empty for none.</source>
        <translation>Bitte geben Sie den Mindestbetrag pro Anruf in Cent ein, etwa 20, oder lassen Sie ihn für keinen leer.</translation>
    </message>
    <message>
        <source>Holiday line %1, &quot;%2&quot;, is not a day Callwise knows. Please write each as 25/12, 27/12/2027, Easter-2 or Easter+1.</source>
        <translation>Feiertagszeile %1, „%2“, ist kein Tag, den Callwise kennt. Bitte schreiben Sie jeden wie 25/12, 27/12/2027, Ostern-2 oder Ostern+1.</translation>
    </message>
    <message>
        <source>Rules by time, %1. Please correct the line or take it out.</source>
        <translation>Regeln nach Uhrzeit, %1. Bitte korrigieren Sie die Zeile oder nehmen Sie sie heraus.</translation>
    </message>
    <message>
        <source>Please list at most %1 holidays and rules by time.</source>
        <translation>Bitte geben Sie höchstens %1 Feiertage und Regeln nach Uhrzeit an.</translation>
    </message>
    <message>
        <source>Tariff Rules</source>
        <translation>Tarifregeln</translation>
    </message>
    <message>
        <source>every minute begun</source>
        <translation>jede begonnene Minute</translation>
    </message>
    <message>
        <source>Import a Ruleset</source>
        <translation>Regelsatz importieren</translation>
    </message>
    <message>
        <source>Rulesets (*.rst);;All files (*)</source>
        <translation>Regelsätze (*.rst);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1

The %2 could not be saved to %3: %4</source>
        <translation>%1

Die %2 konnten nicht in %3 gespeichert werden: %4</translation>
    </message>
    <message>
        <source>fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not charge units such as 60/1 or 12/12.</source>
        <translation>„%1“ sind keine Takteinheiten wie 60/1 oder 12/12.</translation>
    </message>
    <message>
        <source>Please enter the time charged as first/unit seconds, such as 60/1 or 12/12, or choose every minute begun.</source>
        <translation>Bitte geben Sie die berechnete Zeit als Sekunden erste/Einheit ein, etwa 60/1 oder 12/12, oder wählen Sie jede begonnene Minute.</translation>
    </message>
    <message>
        <source>Import %1 into the fee table and the rules, to be saved by OK?
%2</source>
        <translation>%1 in die Gebührentabelle und die Regeln importieren, zu speichern mit OK?
%2</translation>
    </message>
</context>
</TS>
