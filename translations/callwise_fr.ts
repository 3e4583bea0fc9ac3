<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>AutoRun</name>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed: </source>
        <translation>L&apos;entrée de démarrage automatique n&apos;a pas pu être modifiée : </translation>
    </message>
</context>
<context>
    <name>BillCheck</name>
    <message>
        <source>%1 against the log from %2 to %3</source>
        <translation>%1 comparée au journal du %2 au %3</translation>
    </message>
    <message>
        <source>Calls billed: %1, logged: %2, on both: %3</source>
        <translation>Appels facturés : %1, journalisés : %2, sur les deux : %3</translation>
    </message>
    <message>
        <source>Billed on other days and left out: %1</source>
        <translation>Facturés d&apos;autres jours et écartés : %1</translation>
    </message>
    <message>
        <source>Rows of the bill that cannot be read, left out: %1</source>
        <translation>Lignes illisibles de la facture, écartées : %1</translation>
    </message>
    <message>
        <source>%1  %2  %3  (line %4)</source>
        <translation>%1  %2  %3  (ligne %4)</translation>
    </message>
    <message>
        <source>%1  %2  billed %3, logged %4</source>
        <translation>%1  %2  facturé %3, journalisé %4</translation>
    </message>
    <message>
        <source>Billed and not logged</source>
        <translation>Facturés et absents du journal</translation>
    </message>
    <message>
        <source>Logged and not billed</source>
        <translation>Journalisés et non facturés</translation>
    </message>
    <message>
        <source>Priced differently</source>
        <translation>Tarifés autrement</translation>
    </message>
    <message>
        <source>Billed total: %1</source>
        <translation>Total facturé : %1</translation>
    </message>
    <message>
        <source>Logged total: %1</source>
        <translation>Total journalisé : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a section&apos;s title and count</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 against the log&apos;s data from %2 to %3</source>
        <translation>%1 comparée aux données du journal du %2 au %3</translation>
    </message>
    <message>
        <source>Sessions billed: %1, logged: %2, on both: %3</source>
        <translation>Sessions facturées : %1, journalisées : %2, sur les deux : %3</translation>
    </message>
    <message>
        <source>Difference: %1 more on the bill</source>
        <translation>Écart : %1 de plus sur la facture</translation>
    </message>
    <message>
        <source>Difference: %1 more in the log</source>
        <translation>Écart : %1 de plus au journal</translation>
    </message>
    <message>
        <source>Difference: %1</source>
        <translation>Écart : %1</translation>
    </message>
</context>
<context>
    <name>BillText</name>
    <message>
        <source>Since %1: %2</source>
        <translation>Depuis le %1 : %2</translation>
    </message>
    <message>
        <source>No forecast yet: the log holds less than a week of calls.</source>
        <translation>Pas encore de prévision : moins d&apos;une semaine d&apos;appels au journal.</translation>
    </message>
    <message>
        <source>Expected by %1: %2</source>
        <translation>Prévu au %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n %1</source>
        <comment>a day of the month and its short name</comment>
        <translation>
            <numerusform>%ner %1</numerusform>
            <numerusform>%n %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CallAlerts</name>
    <message>
        <source>This month&apos;s calls have cost %1, past your limit of %2.</source>
        <translation>Les appels de ce mois ont coûté %1, au-delà de votre limite de %2.</translation>
    </message>
    <message>
        <source>At this pace this month&apos;s calls will cost %1, past your limit of %2.</source>
        <translation>À ce rythme, les appels de ce mois coûteront %1, au-delà de votre limite de %2.</translation>
    </message>
    <message>
        <source>This month&apos;s data has reached your allowance of %1.</source>
        <translation>Les données de ce mois ont atteint votre forfait de %1.</translation>
    </message>
    <message>
        <source>This month&apos;s data has used %1 of your allowance of %2, %3 % of it.</source>
        <translation>Les données de ce mois ont utilisé %1 de votre forfait de %2, soit %3 %.</translation>
    </message>
</context>
<context>
    <name>CallClock</name>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4  %5</source>
        <comment>weekday, month, day, year and time: &quot;Saturday, Dec 8 2026  10:15:00&quot;</comment>
        <translation>%1 %3 %2 %4  %5</translation>
    </message>
    <message>
        <source>Callwise Time=%1 Cost=%2</source>
        <translation>Callwise Durée=%1 Coût=%2</translation>
    </message>
    <message>
        <source> Data=%1</source>
        <translation> Données=%1</translation>
    </message>
</context>
<context>
    <name>CallCoach</name>
    <message>
        <source>Units are shorter than a minute: the coach warns only before the rate changes.</source>
        <translation>Unités de moins d&apos;une minute : seuls les changements de tarif sont annoncés.</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
</context>
<context>
    <name>CallJournal</name>
    <message>
        <source>A call of %1 that was being timed when Callwise stopped has been added to the call log.</source>
        <translation>Un appel de %1, en cours de chronométrage quand Callwise s&apos;est arrêté, a été ajouté au journal des appels.</translation>
    </message>
    <message>
        <source>A call that was being timed when Callwise stopped could not be read and is not in the call log; its record is kept in %1.</source>
        <translation>Un appel en cours de chronométrage quand Callwise s&apos;est arrêté n&apos;a pas pu être lu et ne figure pas au journal des appels ; son enregistrement est conservé dans %1.</translation>
    </message>
</context>
<context>
    <name>CallLog</name>
    <message>
        <source>File Save ERROR</source>
        <translation>ERREUR d&apos;enregistrement du fichier</translation>
    </message>
    <message>
        <source>Are You SURE?</source>
        <translation>Êtes-vous SÛR ?</translation>
    </message>
    <message>
        <source>The call log could not be cleared. All its calls are still there.</source>
        <translation>Le journal des appels n&apos;a pas pu être vidé. Tous ses appels y sont encore.</translation>
    </message>
    <message>
        <source>The call log has been cleared, but the charges of its calls in %1 could not be: %2</source>
        <translation>Le journal des appels a été vidé, mais pas les montants de ses appels dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: the picture could not be encoded</source>
        <translation>impossible d&apos;écrire %1 : l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>cannot write %1: this copy of the program draws only .png pictures</source>
        <translation>impossible d&apos;écrire %1 : cette version du programme ne dessine que des images .png</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>Calls</source>
        <translation>Appels</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévision</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>Avec %1</translation>
    </message>
    <message>
        <source>Limit&apos;s pace</source>
        <translation>Rythme de la limite</translation>
    </message>
</context>
<context>
    <name>DataChart</name>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Allowance&apos;s pace</source>
        <translation>Rythme du forfait</translation>
    </message>
    <message>
        <source>No data in this period.</source>
        <translation>Aucune donnée sur cette période.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Bill %1   Used %2   Allowance %3</source>
        <translation>Facture %1   Utilisé %2   Forfait %3</translation>
    </message>
    <message>
        <source>%1   Data %2</source>
        <translation>%1   Données %2</translation>
    </message>
</context>
<context>
    <name>DataMonth</name>
    <message>
        <source>Data used since %1: %2</source>
        <translation>Données utilisées depuis le %1 : %2</translation>
    </message>
    <message>
        <source>Data left: %1 of %2</source>
        <translation>Données restantes : %1 sur %2</translation>
    </message>
    <message>
        <source>Daily budget: %1 a day, %2 days left</source>
        <translation>Budget quotidien : %1 par jour, %2 jours restants</translation>
    </message>
    <message>
        <source>Runs out: %1</source>
        <translation>Épuisé le : %1</translation>
    </message>
    <message>
        <source>Runs out: not by %1</source>
        <translation>Épuisé : pas avant le %1</translation>
    </message>
    <message>
        <source>Used up on %1</source>
        <translation>Épuisé le %1</translation>
    </message>
</context>
<context>
    <name>DataTariffFile</name>
    <message>
        <source>Line %1 of %2: &quot;%3&quot; %4.</source>
        <translation>Ligne %1 de %2 : « %3 » %4.</translation>
    </message>
    <message>
        <source>is not a time of day &quot;hh:mm&quot;</source>
        <translation>n&apos;est pas une heure « hh:mm »</translation>
    </message>
    <message>
        <source>is not pence a MB</source>
        <translation>n&apos;est pas un prix en centimes par Mo</translation>
    </message>
    <message>
        <source>is not an allowance in whole MB</source>
        <translation>n&apos;est pas un forfait en Mo entiers</translation>
    </message>
    <message>
        <source>is not a monthly fee in pence</source>
        <translation>n&apos;est pas un abonnement mensuel en centimes</translation>
    </message>
    <message>
        <source>is not a day from 1 to 28</source>
        <translation>n&apos;est pas un jour de 1 à 28</translation>
    </message>
    <message>
        <source>is not 1000000 or 1048576 bytes a MB</source>
        <translation>n&apos;est pas 1000000 ou 1048576 octets par Mo</translation>
    </message>
    <message>
        <source>is not a unit from 1 to %1 bytes</source>
        <translation>n&apos;est pas une unité de 1 à %1 octets</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>is past the %1 lines of a data tariff</source>
        <translation>dépasse les %1 lignes d&apos;un tarif de données</translation>
    </message>
</context>
<context>
    <name>LinkBilling</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1, line %2: not &quot;pattern , minute&quot; or &quot;pattern , volume&quot;</source>
        <translation>%1, ligne %2 : ni « pattern , minute » ni « pattern , volume »</translation>
    </message>
</context>
<context>
    <name>LinkBillingBox</name>
    <message>
        <source>Link name or pattern</source>
        <translation>Nom ou motif de liaison</translation>
    </message>
    <message>
        <source>by volume</source>
        <translation>au volume</translation>
    </message>
    <message>
        <source>by the minute</source>
        <translation>à la minute</translation>
    </message>
    <message>
        <source>Billed</source>
        <translation>Facturation</translation>
    </message>
    <message>
        <source>How &amp;links are billed:</source>
        <translation>Facturation des &amp;liaisons :</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>How links are billed</source>
        <translation>Facturation des liaisons</translation>
    </message>
    <message>
        <source>Link names or patterns such as wwan*, in order: the first that matches a link decides, and a link none matches is billed by the minute.</source>
        <translation>Noms ou motifs de liaisons comme wwan*, dans l&apos;ordre : le premier qui correspond à une liaison décide, et une liaison à laquelle aucun ne correspond est facturée à la minute.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>%1. The links are billed as Callwise bills them by default until the file is put right by hand.</source>
        <translation>%1. Les liaisons sont facturées comme Callwise les facture par défaut jusqu&apos;à ce que le fichier soit corrigé à la main.</translation>
    </message>
</context>
<context>
    <name>OtherTariff</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1 : ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: it is a directory</source>
        <translation>%1 : c&apos;est un dossier</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>a fee file has %1 lines and it has %2</source>
        <translation>un fichier de tarifs a %1 lignes et celui-ci en a %2</translation>
    </message>
    <message>
        <source>it goes on past the %1 lines of a fee file</source>
        <translation>il continue au-delà des %1 lignes d&apos;un fichier de tarifs</translation>
    </message>
    <message>
        <source>line %1 is longer than a fee file&apos;s %2</source>
        <translation>la ligne %1 est plus longue que les %2 d&apos;un fichier de tarifs</translation>
    </message>
    <message>
        <source>it holds no fee above 0</source>
        <translation>il ne contient aucun tarif supérieur à 0</translation>
    </message>
    <message>
        <source>%1 is a ruleset, which holds its own rules: no rules file goes with it</source>
        <translation>%1 est un jeu de règles, qui contient ses propres règles : aucun fichier de règles ne l&apos;accompagne</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is not a fee file: %2</source>
        <translation>%1 n&apos;est pas un fichier de tarifs : %2</translation>
    </message>
</context>
<context>
    <name>Period</name>
    <message>
        <source>1 Day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>28 Days</source>
        <translation>28 jours</translation>
    </message>
    <message>
        <source>2 Months</source>
        <translation>2 mois</translation>
    </message>
    <message>
        <source>3 Months</source>
        <translation>3 mois</translation>
    </message>
    <message>
        <source>1 Year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>This bill</source>
        <translation>Cette facture</translation>
    </message>
    <message>
        <source>The to date &quot;%1&quot; is not a date. Please type it as dd/mm/yyyy.</source>
        <translation>La date de fin « %1 » n&apos;est pas une date. Veuillez la saisir sous la forme jj/mm/aaaa.</translation>
    </message>
    <message>
        <source>The from date &quot;%1&quot; is not a date. Please type it as dd/mm/yyyy.</source>
        <translation>La date de début « %1 » n&apos;est pas une date. Veuillez la saisir sous la forme jj/mm/aaaa.</translation>
    </message>
</context>
<context>
    <name>PriceDifferences</name>
    <message>
        <source>Mondays</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sundays</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>under %1 minutes</source>
        <translation>de moins de %1 minutes</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>at %1:00-%1:59</source>
        <translation>entre %1:00 et %1:59</translation>
    </message>
    <message numerus="yes">
        <source>%n calls %1 differ by %2.</source>
        <translation>
            <numerusform>%n appel %1 présente un écart de %2.</numerusform>
            <numerusform>%n appels %1 présentent un écart de %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more calls differ.</source>
        <translation>
            <numerusform>Encore %n appel présente un écart.</numerusform>
            <numerusform>Encore %n appels présentent un écart.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 call on %1 at %2 differs by %3.</source>
        <translation>1 appel le %1 à %2 présente un écart de %3.</translation>
    </message>
    <message numerus="yes">
        <source>under %n minutes</source>
        <translation>
            <numerusform>de moins de %n minute</numerusform>
            <numerusform>de moins de %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1, more on the bill</source>
        <translation>%1, de plus sur la facture</translation>
    </message>
    <message>
        <source>%1, less on the bill</source>
        <translation>%1, de moins sur la facture</translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>impossible de copier %1 vers %2</translation>
    </message>
</context>
<context>
    <name>RateChange</name>
    <message>
        <source>%1 pence</source>
        <comment>spoken</comment>
        <translation>%1 centimes</translation>
    </message>
    <message>
        <source>a minute</source>
        <translation>la minute</translation>
    </message>
    <message>
        <source>a second</source>
        <translation>la seconde</translation>
    </message>
    <message>
        <source>At %1 the rate falls from %2 to %3 %4; this call would then cost %5 in all.</source>
        <translation>À %1, le tarif baisse de %2 à %3 %4 ; cet appel coûterait alors %5 en tout.</translation>
    </message>
    <message>
        <source>At %1 the rate rises from %2 to %3 %4; stay on and this whole call costs %5, hang up before and it costs %6.</source>
        <translation>À %1, le tarif passe de %2 à %3 %4 ; si vous restez en ligne, tout l&apos;appel coûte %5, si vous raccrochez avant, il coûte %6.</translation>
    </message>
    <message>
        <source>No rate change today or tomorrow</source>
        <translation>Pas de changement de tarif aujourd&apos;hui ni demain</translation>
    </message>
    <message>
        <source>Next rate change: %1, %2 %3</source>
        <translation>Prochain changement de tarif : %1, %2 %3</translation>
    </message>
    <message>
        <source>Next rate change: tomorrow %1, %2 %3</source>
        <translation>Prochain changement de tarif : demain %1, %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>per %n seconds</source>
        <translation>
            <numerusform>par tranche de %n seconde</numerusform>
            <numerusform>par tranche de %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Regional</name>
    <message>
        <source>%1 MB</source>
        <comment>a volume of data: 12.3 MB</comment>
        <translation>%1 Mo</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>: that many days back from today; with --chart also &quot;%1&quot;, the bill&apos;s month.</source>
        <translation> : autant de jours en arrière depuis aujourd&apos;hui ; avec --chart, aussi « %1 », le mois de la facture.</translation>
    </message>
    <message>
        <source>Read the data files from DIR instead of the data directory.</source>
        <translation>Lire les fichiers de données dans DIR au lieu du dossier des données.</translation>
    </message>
    <message>
        <source>Count the period back from this day instead of the system&apos;s date.</source>
        <translation>Compter la période en arrière depuis ce jour au lieu de la date du système.</translation>
    </message>
    <message>
        <source>Draw the chart of daily costs into FILE, an .svg or a .png, instead of printing.</source>
        <translation>Dessiner le graphique des coûts journaliers dans FILE, un .svg ou un .png, au lieu d&apos;afficher.</translation>
    </message>
    <message>
        <source>The first day of a range of days, with --to.</source>
        <translation>Le premier jour d&apos;une plage de jours, avec --to.</translation>
    </message>
    <message>
        <source>The last day of the range, with --from.</source>
        <translation>Le dernier jour de la plage, avec --from.</translation>
    </message>
    <message>
        <source>Price the period&apos;s calls again by the fee file FILE (a copy of netfees.ini), or by the ruleset FILE.rst (kppp&apos;s accounting rules), and print both totals and the difference; with --csv both prices of each call, with --chart both running totals.</source>
        <translation>Tarifer à nouveau les appels de la période avec le fichier de tarifs FILE (une copie de netfees.ini), ou avec le jeu de règles FILE.rst (les règles de facturation de kppp), et afficher les deux totaux et leur écart ; avec --csv les deux prix de chaque appel, avec --chart les deux cumuls.</translation>
    </message>
    <message>
        <source>With --tariff, the tariff rules of FILE (a copy of netrules.ini); without it the other tariff has none. A ruleset holds its own rules and takes no --rules.</source>
        <translation>Avec --tariff, les règles tarifaires de FILE (une copie de netrules.ini) ; sans elle, l&apos;autre tarif n&apos;en a aucune. Un jeu de règles contient ses propres règles et ne prend pas --rules.</translation>
    </message>
    <message>
        <source>Rank the fee file or ruleset FILE and today&apos;s tariff by what the period&apos;s calls cost, cheapest first. More files may follow it, or the option be given again; the period comes last.</source>
        <translation>Classer le fichier de tarifs ou le jeu de règles FILE et le tarif actuel selon ce que coûtent les appels de la période, du moins cher au plus cher. D&apos;autres fichiers peuvent suivre, ou l&apos;option être répétée ; la période vient en dernier.</translation>
    </message>
    <message>
        <source>--bill takes no period, range, --csv, --chart, --tariff, --compare or --statement</source>
        <translation>--bill ne prend ni période, ni plage, ni --csv, --chart, --tariff, --compare ou --statement</translation>
    </message>
    <message>
        <source>--rules goes with --tariff</source>
        <translation>--rules s&apos;emploie avec --tariff</translation>
    </message>
    <message>
        <source>give either --tariff or --compare, not both</source>
        <translation>donnez --tariff ou --compare, pas les deux</translation>
    </message>
    <message>
        <source>--compare prints a ranking, not --csv or --chart</source>
        <translation>--compare affiche un classement, pas --csv ni --chart</translation>
    </message>
    <message>
        <source>--statement takes no --tariff or --compare</source>
        <translation>--statement ne prend ni --tariff ni --compare</translation>
    </message>
    <message>
        <source>--statement takes no --csv or --chart</source>
        <translation>--statement ne prend ni --csv ni --chart</translation>
    </message>
    <message>
        <source>one period only, not also &quot;%1&quot;</source>
        <translation>une seule période, pas aussi « %1 »</translation>
    </message>
    <message>
        <source>--from needs --to</source>
        <translation>--from demande --to</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to demande --from</translation>
    </message>
    <message>
        <source>give either a period or --from and --to, not both</source>
        <translation>donnez une période ou --from et --to, pas les deux</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>utilisation : %1</translation>
    </message>
    <message>
        <source>give either --csv or --chart, not both</source>
        <translation>donnez --csv ou --chart, pas les deux</translation>
    </message>
    <message>
        <source>--chart %1: the file&apos;s name must end in .svg or .png</source>
        <translation>--chart %1 : le nom du fichier doit finir par .svg ou .png</translation>
    </message>
    <message>
        <source>%1 %2 is not a day of the calendar</source>
        <translation>%1 %2 n&apos;est pas un jour du calendrier</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date DD/MM/YYYY</source>
        <translation>%1 « %2 » n&apos;est pas une date JJ/MM/AAAA</translation>
    </message>
    <message>
        <source>--dir %1: there is no such directory</source>
        <translation>--dir %1 : ce dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>--dir %1: it is not a directory</source>
        <translation>--dir %1 : ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>--dir %1: it cannot be read</source>
        <translation>--dir %1 : il ne peut pas être lu</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Bill&apos;s month: %1 to %2</source>
        <translation>Mois de la facture : du %1 au %2</translation>
    </message>
    <message>
        <source>Limit: %1</source>
        <translation>Limite : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>it holds no calls; give a period or --from and --to to check the log against it</source>
        <translation>elle ne contient aucun appel ; donnez une période ou --from et --to pour la comparer au journal</translation>
    </message>
    <message>
        <source>unknown period &quot;%1&quot; (one of %2, or --from and --to; &quot;%3&quot; with --chart)</source>
        <translation>période inconnue « %1 » (au choix %2, ou --from et --to ; « %3 » avec --chart)</translation>
    </message>
    <message>
        <source>%1, cheapest first:</source>
        <translation>%1, du moins cher au plus cher :</translation>
    </message>
    <message>
        <source>Print the calls as CSV: date, start time, duration, fee in pence per minute and cost in pence; where calls&apos; bytes are kept (netbytes.ini), each call&apos;s bytes received and sent last.</source>
        <translation>Afficher les appels en CSV : date, heure de début, durée, tarif en centimes par minute et coût en centimes ; là où les octets des appels sont gardés (netbytes.ini), les octets reçus et envoyés de chaque appel en dernier.</translation>
    </message>
    <message>
        <source>With --chart, draw the data each day&apos;s calls used, in MB, instead of their cost; for &quot;This bill&quot; the data tariff&apos;s bill month with its allowance&apos;s pace.</source>
        <translation>Avec --chart, dessiner les données utilisées par les appels de chaque jour, en Mo, au lieu de leur coût ; pour « This bill », le mois de facture du tarif des données avec le rythme de son forfait.</translation>
    </message>
    <message>
        <source>Check the operator&apos;s itemised bill, exported as CSV, against the log: the calls on one and not the other, those priced differently, both totals, and the tariff rules that would price the calls as billed. Without a period, the days of the bill&apos;s calls. A data bill (date, time, a volume in KB or MB, cost) is checked against the calls whose bytes are kept, matched by start and volume.</source>
        <translation>Vérifier la facture détaillée de l&apos;opérateur, exportée en CSV, par rapport au journal : les appels présents sur l&apos;une et pas sur l&apos;autre, ceux tarifés autrement, les deux totaux, et les règles tarifaires qui tarifieraient les appels comme facturés. Sans période, les jours des appels de la facture. Une facture de données (date, heure, un volume en Ko ou Mo, coût) est vérifiée par rapport aux appels dont les octets sont gardés, rapprochés par début et volume.</translation>
    </message>
    <message>
        <source>--data goes with --chart alone</source>
        <translation>--data va avec --chart seul</translation>
    </message>
    <message>
        <source>Usage: %1
Prints the calls and costs of a period from the call log, the bill&apos;s month with its forecast, what the period&apos;s calls would have cost by other tariffs, or an operator&apos;s bill checked against the log. --from and --to may stand for PERIOD wherever it is asked for.</source>
        <translation>Utilisation : %1
Affiche les appels et les coûts d&apos;une période d&apos;après le journal des appels, le mois de la facture avec sa prévision, ce que les appels de la période auraient coûté avec d&apos;autres tarifs, ou la facture d&apos;un opérateur comparée au journal. --from et --to peuvent remplacer PERIOD partout où elle est demandée.</translation>
    </message>
    <message>
        <source>Print the bill&apos;s month: its days, what it has cost so far (the data bundle&apos;s monthly fee with it), its forecast and the spending limit, as the alerts window shows them, the call being timed included; then the data used on links billed by volume and, with a data tariff (netdata.ini) that has an allowance, what is left, the daily budget and the day it runs out.</source>
        <translation>Affiche le mois de la facture : ses jours, ce qu&apos;il a coûté jusqu&apos;ici (avec l&apos;abonnement mensuel du forfait de données), sa prévision et la limite de dépenses, comme la fenêtre des alertes les montre, appel en cours compris ; puis les données utilisées sur les liaisons facturées au volume et, avec un tarif de données (netdata.ini) qui a un forfait, ce qui reste, le budget par jour et le jour où il sera épuisé.</translation>
    </message>
</context>
<context>
    <name>RuleSuggestion</name>
    <message>
        <source>No call is on both the bill and the log, so the rules cannot be tried on them.</source>
        <translation>Aucun appel ne figure à la fois sur la facture et au journal : les règles ne peuvent donc pas y être essayées.</translation>
    </message>
    <message>
        <source>Every call on both the bill and the log is priced as billed.</source>
        <translation>Chaque appel présent sur la facture et au journal est tarifé comme facturé.</translation>
    </message>
    <message>
        <source>a fee per call of %1</source>
        <translation>des frais par appel de %1</translation>
    </message>
    <message>
        <source>no fee per call</source>
        <translation>des frais par appel nuls</translation>
    </message>
    <message>
        <source>%1 units</source>
        <translation>des unités %1</translation>
    </message>
    <message>
        <source>every minute begun charged whole</source>
        <translation>toute minute commencée facturée entière</translation>
    </message>
    <message>
        <source>a flat first charge of %1</source>
        <translation>un premier montant fixe de %1</translation>
    </message>
    <message>
        <source>no first charge</source>
        <translation>un premier montant nul</translation>
    </message>
    <message>
        <source>a minimum charge of %1</source>
        <translation>un montant minimal de %1</translation>
    </message>
    <message>
        <source>no minimum charge</source>
        <translation>un montant minimal nul</translation>
    </message>
    <message>
        <source>each unit at its own rate</source>
        <translation>chaque unité à son propre tarif</translation>
    </message>
    <message>
        <source>each call at its last fee</source>
        <translation>chaque appel à son dernier tarif</translation>
    </message>
    <message>
        <source>the %1 holidays</source>
        <translation>les jours fériés (%1)</translation>
    </message>
    <message>
        <source>a minimum connect time of %1 minutes</source>
        <translation>une durée minimale de connexion de %1 minutes</translation>
    </message>
    <message>
        <source>no minimum connect time</source>
        <translation>une durée minimale de connexion nulle</translation>
    </message>
    <message numerus="yes">
        <source>No setting of the rules makes more than the %n of %1 calls match that match now.</source>
        <translation>
            <numerusform>Aucun réglage des règles ne fait correspondre plus d&apos;appels que le %n sur %1 qui correspond maintenant.</numerusform>
            <numerusform>Aucun réglage des règles ne fait correspondre plus d&apos;appels que les %n sur %1 qui correspondent maintenant.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The rules as they are set now would make %n of %1 calls match: these calls were priced before they were set.</source>
        <translation>
            <numerusform>Les règles telles qu&apos;elles sont réglées feraient correspondre %n appel sur %1 : cet appel a été tarifé avant qu&apos;elles soient réglées.</numerusform>
            <numerusform>Les règles telles qu&apos;elles sont réglées feraient correspondre %n appels sur %1 : ces appels ont été tarifés avant qu&apos;elles soient réglées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a minimum connect time of %n minutes</source>
        <translation>
            <numerusform>une durée minimale de connexion de %n minute</numerusform>
            <numerusform>une durée minimale de connexion de %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>With %1, %n of %2 calls would match.</source>
        <translation>
            <numerusform>Avec %1, %n appel sur %2 correspondrait.</numerusform>
            <numerusform>Avec %1, %n appels sur %2 correspondraient.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuleWords</name>
    <message>
        <source>Mon</source>
        <extracomment>A day in rules by time and its short name, as &quot;Mon-Fri&quot; is written</extracomment>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Easter</source>
        <extracomment>Easter Sunday in holiday lines and rules by time, as in &quot;Easter-2&quot;; one word</extracomment>
        <translation>Pâques</translation>
    </message>
    <message>
        <source>Holidays</source>
        <extracomment>The holiday lines&apos; days in rules by time, as in &quot;Sat-Sun,Holidays&quot;; one word</extracomment>
        <translation>Fériés</translation>
    </message>
    <message>
        <source>England and Wales</source>
        <extracomment>The holiday line of the bank holidays of England and Wales</extracomment>
        <translation>Angleterre et pays de Galles</translation>
    </message>
    <message>
        <source>a minute</source>
        <extracomment>A price a minute, as in &quot;4.20 a minute&quot;</extracomment>
        <translation>la minute</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>A price per unit, as in &quot;10 per 90 s&quot;</extracomment>
        <translation>par</translation>
    </message>
    <message>
        <source>after</source>
        <extracomment>How far into a call a rule begins, as in &quot;0.50 a minute after 60 min&quot;</extracomment>
        <translation>après</translation>
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
        <translation>gratuit</translation>
    </message>
    <message>
        <source>in %1 units</source>
        <extracomment>The length of the units a price a minute is charged in, as in &quot;4.20 a minute in 12 s units&quot;</extracomment>
        <translation>par tranches de %1</translation>
    </message>
</context>
<context>
    <name>RulesFile</name>
    <message>
        <source>not an amount of pence</source>
        <translation>pas un montant en centimes</translation>
    </message>
    <message>
        <source>a unit cannot be 0 seconds</source>
        <translation>une unité ne peut pas durer 0 seconde</translation>
    </message>
    <message>
        <source>not charge units such as 60/1</source>
        <translation>pas des unités de taxation comme 60/1</translation>
    </message>
    <message>
        <source>a first charge needs charge units on line 2</source>
        <translation>un premier montant demande des unités de taxation à la ligne 2</translation>
    </message>
    <message>
        <source>neither 1 nor 0</source>
        <translation>ni 1 ni 0</translation>
    </message>
    <message>
        <source>line %1, &quot;%2&quot;: %3</source>
        <translation>ligne %1, « %2 » : %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>more lines than a rules file holds</source>
        <translation>plus de lignes que n&apos;en contient un fichier de règles</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>not a day Callwise knows</source>
        <translation>pas un jour que Callwise connaît</translation>
    </message>
</context>
<context>
    <name>RulesetImport</name>
    <message>
        <source>a rule reads &quot;on (days) between (times) use (cost, seconds)&quot;</source>
        <translation>une règle s&apos;écrit « on (jours) between (heures) use (coût, secondes) »</translation>
    </message>
    <message>
        <source>it is neither a setting &quot;name=value&quot; nor an &quot;on&quot; rule</source>
        <translation>ce n&apos;est ni un réglage « nom=valeur » ni une règle « on »</translation>
    </message>
    <message>
        <source>default is set already on line %1</source>
        <translation>default est déjà réglé à la ligne %1</translation>
    </message>
    <message>
        <source>a default after %1 s is set already on line %2</source>
        <translation>un default après %1 s est déjà réglé à la ligne %2</translation>
    </message>
    <message>
        <source>Callwise cannot write this rule exactly (&quot;%1&quot;)</source>
        <translation>Callwise ne peut pas écrire cette règle exactement (« %1 »)</translation>
    </message>
    <message>
        <source>a flat first charge has no &quot;after&quot;</source>
        <translation>un premier montant fixe n&apos;a pas de « after »</translation>
    </message>
    <message>
        <source>Ruleset: %1</source>
        <translation>Jeu de règles : %1</translation>
    </message>
    <message>
        <source>Every day from 00:00: %1 a minute</source>
        <translation>Tous les jours à partir de 00:00 : %1 la minute</translation>
    </message>
    <message>
        <source>Every day: %1 per %2 s, by the first rule by time (%3 a minute shown)</source>
        <translation>Tous les jours : %1 les %2 s, par la première règle horaire (%3 la minute affiché)</translation>
    </message>
    <message>
        <source>Charge units: %1, each at the rate in force when it begins</source>
        <translation>Unités de taxation : %1, chacune au tarif en vigueur à son début</translation>
    </message>
    <message>
        <source>First charge: %1 for the first %2 s</source>
        <translation>Premier montant : %1 pour les %2 premières s</translation>
    </message>
    <message>
        <source>Fee per call: %1</source>
        <translation>Frais par appel : %1</translation>
    </message>
    <message>
        <source>Minimum charge: %1</source>
        <translation>Montant minimal : %1</translation>
    </message>
    <message>
        <source>Min connect time: 0</source>
        <translation>Durée min. de connexion : 0</translation>
    </message>
    <message>
        <source>Rules by time:</source>
        <translation>Règles horaires :</translation>
    </message>
    <message>
        <source>it has no default=(cost, seconds), the price where no rule applies</source>
        <translation>il n&apos;a pas de default=(coût, secondes), le prix là où aucune règle ne s&apos;applique</translation>
    </message>
    <message>
        <source>the position is left or right</source>
        <translation>la position est left ou right</translation>
    </message>
    <message>
        <source>the digits are a whole number from 0 to 9</source>
        <translation>les décimales sont un nombre entier de 0 à 9</translation>
    </message>
    <message>
        <source>a ruleset is not this long</source>
        <translation>un jeu de règles n&apos;est pas aussi long</translation>
    </message>
    <message>
        <source>line %1, &quot;%2&quot;: %3</source>
        <translation>ligne %1, « %2 » : %3</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not (cost, seconds) or (cost, seconds, after)</source>
        <translation>« %1 » n&apos;est pas (coût, secondes) ni (coût, secondes, après)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting of a ruleset</source>
        <translation>« %1 » n&apos;est pas un réglage d&apos;un jeu de règles</translation>
    </message>
    <message>
        <source>Prices in %1, each amount below in hundredths of it</source>
        <translation>Prix en %1, chaque montant ci-dessous en centièmes de cette unité</translation>
    </message>
    <message>
        <source>Every day: by the rules by time, which cover every minute</source>
        <translation>Tous les jours : selon les règles horaires, qui couvrent chaque minute</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>it has no default=(cost, seconds), and no rule prices a call that begins on %1 at %2</source>
        <translation>il n&apos;a pas de default=(coût, secondes), et aucune règle ne tarifie un appel qui commence un %1 à %2</translation>
    </message>
    <message>
        <source>Amounts will show in your own currency, %1, as the ruleset&apos;s figures: Callwise converts no currency.</source>
        <translation>Les montants s&apos;afficheront dans votre propre devise, %1, avec les chiffres du jeu de règles : Callwise ne convertit aucune devise.</translation>
    </message>
</context>
<context>
    <name>RulesetWords</name>
    <message>
        <source>a price cannot be below 0</source>
        <translation>un prix ne peut pas être inférieur à 0</translation>
    </message>
    <message>
        <source>a unit cannot be 0 seconds</source>
        <translation>une unité ne peut pas durer 0 seconde</translation>
    </message>
    <message>
        <source>a unit cannot be longer than 3600 seconds</source>
        <translation>une unité ne peut pas durer plus de 3600 secondes</translation>
    </message>
    <message>
        <source>%1 is no day of the year</source>
        <translation>%1 n&apos;est pas un jour de l&apos;année</translation>
    </message>
    <message>
        <source>%1 is no weekday, date (mm/dd or dd.mm) or day from easter</source>
        <translation>%1 n&apos;est ni un jour de la semaine, ni une date (mm/jj ou jj.mm), ni un jour compté depuis Pâques</translation>
    </message>
    <message>
        <source>%1 joins days of two kinds; a range runs from weekday to weekday, date to date or easter to easter</source>
        <translation>%1 joint des jours de deux sortes ; une plage va d&apos;un jour de la semaine à un autre, d&apos;une date à une date ou de Pâques à Pâques</translation>
    </message>
    <message>
        <source>%1 must run forwards over at most %2 days</source>
        <translation>%1 doit avancer sur %2 jours au plus</translation>
    </message>
    <message>
        <source>%1 is no time of day (h:mm)</source>
        <translation>%1 n&apos;est pas une heure (h:mm)</translation>
    </message>
    <message>
        <source>%1 is no amount</source>
        <translation>%1 n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>%1 is no whole number of seconds</source>
        <translation>%1 n&apos;est pas un nombre entier de secondes</translation>
    </message>
    <message>
        <source>%1 is past a day (86400 s), the most Callwise counts into a call</source>
        <translation>%1 dépasse un jour (86400 s), le plus que Callwise compte dans un appel</translation>
    </message>
    <message>
        <source>%1 is no range of times (h:mm..h:mm)</source>
        <translation>%1 n&apos;est pas une plage horaire (h:mm..h:mm)</translation>
    </message>
    <message>
        <source>%1 has more digits than any price (at most 30)</source>
        <translation>%1 a plus de chiffres qu&apos;un prix ne peut en avoir (30 au plus)</translation>
    </message>
    <message>
        <source>%1 is no number of seconds (to the thousandth at most)</source>
        <translation>%1 n&apos;est pas un nombre de secondes (au millième au plus)</translation>
    </message>
    <message>
        <source>a first charge cannot be longer than a day (86400 seconds)</source>
        <translation>un premier montant ne peut pas durer plus d&apos;un jour (86400 secondes)</translation>
    </message>
</context>
<context>
    <name>SpendingChart</name>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>   With %1 %2</source>
        <translation>   Avec %1 %2</translation>
    </message>
    <message>
        <source>%1   Total %2%3</source>
        <translation>%1   Total %2%3</translation>
    </message>
    <message>
        <source>Bill %1   Spent %2</source>
        <translation>Facture %1   Dépensé %2</translation>
    </message>
    <message>
        <source>   Expected %1</source>
        <translation>   Prévu %1</translation>
    </message>
    <message>
        <source>   Limit %1</source>
        <translation>   Limite %1</translation>
    </message>
    <message>
        <source>No calls in this period.</source>
        <translation>Aucun appel sur cette période.</translation>
    </message>
</context>
<context>
    <name>SpokenWords</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dollars</source>
        <translation>
            <numerusform>%n dollar</numerusform>
            <numerusform>%n dollars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cents</source>
        <translation>
            <numerusform>%n cent</numerusform>
            <numerusform>%n cents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pounds</source>
        <translation>
            <numerusform>%n livre</numerusform>
            <numerusform>%n livres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pence</source>
        <translation>
            <numerusform>%n penny</numerusform>
            <numerusform>%n pence</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n euros</source>
        <translation>
            <numerusform>%n euro</numerusform>
            <numerusform>%n euros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n euro cents</source>
        <translation>
            <numerusform>%n centime</numerusform>
            <numerusform>%n centimes</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>money</comment>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>the date</source>
        <translation>la date (date)</translation>
    </message>
    <message>
        <source>the time or start</source>
        <translation>l&apos;heure (time ou start)</translation>
    </message>
    <message>
        <source>the duration or length</source>
        <translation>la durée (duration ou length)</translation>
    </message>
    <message>
        <source>the cost, charge, amount or price</source>
        <translation>le coût (cost, charge, amount ou price)</translation>
    </message>
    <message>
        <source>the date or the start</source>
        <translation>la date ou le début</translation>
    </message>
    <message>
        <source>the columns of the calls cannot be found: no header names %1 (looked for a header line naming %2)</source>
        <translation>les colonnes des appels sont introuvables : aucun en-tête ne nomme %1 (une ligne d&apos;en-tête nommant %2 a été cherchée)</translation>
    </message>
    <message>
        <source>; no header names </source>
        <translation> ; aucun en-tête ne nomme </translation>
    </message>
    <message>
        <source>the columns of the calls cannot be found: no header names the date, and the time column holds no dates</source>
        <translation>les colonnes des appels sont introuvables : aucun en-tête ne nomme la date, et la colonne de l&apos;heure ne contient pas de dates</translation>
    </message>
    <message>
        <source>the columns of the calls cannot be found: no header names the time or start, and the date column holds no times</source>
        <translation>les colonnes des appels sont introuvables : aucun en-tête ne nomme l&apos;heure ou le début, et la colonne de la date ne contient pas d&apos;heures</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1: %2 is missing</source>
        <translation>%1 : %2 manque</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is not %4</source>
        <translation>%1 : %2 « %3 » n&apos;est pas %4</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>le début</translation>
    </message>
    <message>
        <source>a date and a time of day</source>
        <translation>une date et une heure</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>une date</translation>
    </message>
    <message>
        <source>the time</source>
        <translation>l&apos;heure</translation>
    </message>
    <message>
        <source>a time of day</source>
        <translation>une heure</translation>
    </message>
    <message>
        <source>the duration</source>
        <translation>la durée</translation>
    </message>
    <message>
        <source>hh:mm:ss, mm:ss or seconds</source>
        <translation>hh:mm:ss, mm:ss ou des secondes</translation>
    </message>
    <message>
        <source>the cost</source>
        <translation>le coût</translation>
    </message>
    <message>
        <source>an amount of money</source>
        <translation>un montant d&apos;argent</translation>
    </message>
    <message>
        <source>no row holds a call that can be read (%1)</source>
        <translation>aucune ligne ne contient un appel lisible (%1)</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>elle ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, too large for a bill</source>
        <translation>elle dépasse %1 Mo, trop pour une facture</translation>
    </message>
    <message>
        <source>the volume</source>
        <translation>le volume</translation>
    </message>
    <message>
        <source>an amount of data such as 12.3 MB</source>
        <translation>une quantité de données comme 12.3 MB</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The call log holds an entry of %1 that cannot be read, so no summary can be shown.</source>
        <translation>Le journal des appels contient une entrée du %1 illisible : aucun récapitulatif ne peut être affiché.</translation>
    </message>
    <message>
        <source>The period lies outside the dates a call log can hold, so no summary can be shown.</source>
        <translation>La période sort des dates que peut contenir un journal des appels : aucun récapitulatif ne peut être affiché.</translation>
    </message>
    <message>
        <source>Date     -           Time      - Connection - Cost per min - Cost</source>
        <comment>the column headings over the summary&apos;s lines: keep each word over its column</comment>
        <translation>Date     -           Heure     - Connexion  - Prix par min - Coût</translation>
    </message>
    <message>
        <source>Total Time = </source>
        <translation>Durée totale = </translation>
    </message>
    <message>
        <source>Total Calls Cost= %1</source>
        <translation>Coût total des appels = %1</translation>
    </message>
    <message>
        <source>Callwise Call Costs Summary</source>
        <translation>Callwise - Récapitulatif du coût des appels</translation>
    </message>
    <message>
        <source>Total Data = %1 (%2 received, %3 sent)</source>
        <translation>Total données = %1 (%2 reçus, %3 envoyés)</translation>
    </message>
    <message>
        <source>%1 by volume</source>
        <comment>in a data call&apos;s line, where other calls show their price a minute</comment>
        <translation>%1 au volume</translation>
    </message>
</context>
<context>
    <name>TariffComparison</name>
    <message>
        <source>the same</source>
        <translation>autant</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 less</source>
        <translation>%1 de moins</translation>
    </message>
    <message>
        <source>With %1 these calls would have cost %2: %3.</source>
        <translation>Avec %1, ces appels auraient coûté %2 : %3.</translation>
    </message>
    <message>
        <source>Today&apos;s tariff</source>
        <translation>Tarif actuel</translation>
    </message>
    <message numerus="yes">
        <source>%n calls from %1 to %2</source>
        <translation>
            <numerusform>%n appel du %1 au %2</numerusform>
            <numerusform>%n appels du %1 au %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>write failed</source>
        <translation>échec de l&apos;écriture</translation>
    </message>
</context>
<context>
    <name>TimeRules</name>
    <message>
        <source>%1 is not a day</source>
        <translation>%1 n&apos;est pas un jour</translation>
    </message>
    <message>
        <source>%1 is not a day of the calendar</source>
        <translation>%1 n&apos;est pas un jour du calendrier</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>la ligne est vide</translation>
    </message>
    <message>
        <source>no times of day are given, such as 08:00-17:59</source>
        <translation>aucune heure n&apos;est donnée, comme 08:00-17:59</translation>
    </message>
    <message>
        <source>no days are named</source>
        <translation>aucun jour n&apos;est nommé</translation>
    </message>
    <message>
        <source>%1 is not a time of day</source>
        <translation>%1 n&apos;est pas une heure</translation>
    </message>
    <message>
        <source>no price is given</source>
        <translation>aucun prix n&apos;est donné</translation>
    </message>
    <message>
        <source>a price cannot be below 0</source>
        <translation>un prix ne peut pas être inférieur à 0</translation>
    </message>
    <message>
        <source>%1 is not a price such as &quot;4.20 a minute&quot; or &quot;10 per 90 s&quot;</source>
        <translation>%1 n&apos;est pas un prix comme « 4,20 la minute » ou « 10 par 90 s »</translation>
    </message>
    <message>
        <source>a price cannot be over 1000000 pence</source>
        <translation>un prix ne peut pas dépasser 1000000 centimes</translation>
    </message>
    <message>
        <source>units are counted in seconds</source>
        <translation>les unités se comptent en secondes</translation>
    </message>
    <message>
        <source>%1 is not seconds or minutes</source>
        <translation>%1 n&apos;est ni des secondes ni des minutes</translation>
    </message>
    <message>
        <source>the price says neither &quot;a minute&quot; nor &quot;per&quot; a unit</source>
        <translation>le prix ne dit ni « la minute » ni « par » une unité</translation>
    </message>
    <message>
        <source>a unit cannot be 0 seconds</source>
        <translation>une unité ne peut pas durer 0 seconde</translation>
    </message>
    <message>
        <source>a unit cannot be over 3600 seconds</source>
        <translation>une unité ne peut pas dépasser 3600 secondes</translation>
    </message>
    <message>
        <source>a rule cannot begin over 24 hours into a call</source>
        <translation>une règle ne peut pas commencer plus de 24 heures après le début d&apos;un appel</translation>
    </message>
    <message>
        <source>a unit is counted to the thousandth of a second at most</source>
        <translation>une unité se compte au millième de seconde au plus</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Callwise V2.5</source>
        <translation>À propos de Callwise V2.5</translation>
    </message>
    <message>
        <source>Version 2.5</source>
        <translation>Version 2.5</translation>
    </message>
    <message>
        <source>Times every call of your dial-up line, prices it live from your weekly tariff, logs it, and totals the calls of any period.</source>
        <translation>Chronomètre chaque appel, en calcule le prix en direct selon votre tarif de la semaine, l&apos;inscrit au journal et totalise toute période.</translation>
    </message>
    <message>
        <source>Maintainers: the Callwise team
callwise-maintainers@lists.example.org</source>
        <translation>Mainteneurs : l&apos;équipe Callwise
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
        <translation>jamais</translation>
    </message>
    <message>
        <source>every minute</source>
        <translation>chaque minute</translation>
    </message>
    <message numerus="yes">
        <source>every %n minutes</source>
        <translation>
            <numerusform>toutes les %n min</numerusform>
            <numerusform>toutes les %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <translation>
            <numerusform>%n seconde avant</numerusform>
            <numerusform>%n secondes avant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minute avant</numerusform>
            <numerusform>%n minutes avant</numerusform>
        </translation>
    </message>
    <message>
        <source>Speak the call cost</source>
        <translation>Annoncer le coût de l&apos;appel</translation>
    </message>
    <message>
        <source>Warn me before each new minute:</source>
        <translation>Avertir avant chaque minute :</translation>
    </message>
    <message>
        <source>Tell me before the rate changes:</source>
        <translation>Avertir avant un changement de tarif :</translation>
    </message>
    <message>
        <source>Warn me when this month&apos;s calls pass</source>
        <translation>Avertir si le total du mois dépasse</translation>
    </message>
    <message>
        <source>My bill starts on day</source>
        <translation>Ma facture commence le jour</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Please enter the limit as an amount, or leave it empty for none.</source>
        <translation>Veuillez saisir la limite sous forme de montant, ou la laisser vide pour aucune.</translation>
    </message>
    <message>
        <source>The alert choices could not be saved: %1</source>
        <translation>Les choix d&apos;alertes n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>Speech Alerts</source>
        <translation>Alertes vocales</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Aucun moteur de synthèse vocale n&apos;est installé.</translation>
    </message>
    <message>
        <source>Warn me when the data allowance is</source>
        <translation>Avertir quand le forfait est</translation>
    </message>
    <message>
        <source>%1 % used</source>
        <translation>utilisé à %1 %</translation>
    </message>
</context>
<context>
    <name>frmBillCheck</name>
    <message>
        <source>&amp;Apply suggested rules</source>
        <translation>&amp;Appliquer les règles proposées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>it holds no calls</source>
        <translation>elle ne contient aucun appel</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The operator&apos;s bill</source>
        <translation>La facture de l&apos;opérateur</translation>
    </message>
    <message>
        <source>Itemised bills (*.csv *.txt);;All files (*)</source>
        <translation>Factures détaillées (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Check a Bill</source>
        <translation>Vérifier une facture</translation>
    </message>
</context>
<context>
    <name>frmCallwise</name>
    <message>
        <source>Start Time:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connexion :</translation>
    </message>
    <message>
        <source>Call Cost :</source>
        <translation>Coût :</translation>
    </message>
    <message>
        <source>&amp;Costs</source>
        <translation>&amp;Coûts</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Callwise</source>
        <translation>&amp;Callwise</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Set Fee&apos;s</source>
        <translation>&amp;Tarifs</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>Paramètr&amp;es</translation>
    </message>
    <message>
        <source>Spending C&amp;hart</source>
        <translation>&amp;Graphique des dépenses</translation>
    </message>
    <message>
        <source>S&amp;peech Alerts</source>
        <translation>Alertes &amp;vocales</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Callwise V2.5</source>
        <translation>Callwise V2.5</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Données :</translation>
    </message>
</context>
<context>
    <name>frmChart</name>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Fee files (*.ini);;All files (*)</source>
        <translation>Fichiers de tarifs (*.ini);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Spending Chart</source>
        <translation>Graphique des dépenses</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>A&amp;fficher</translation>
    </message>
</context>
<context>
    <name>frmCosts</name>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Time Total</source>
        <translation>Durée totale</translation>
    </message>
    <message>
        <source>Cost Total</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>Summary type&gt;</source>
        <translation>Récapitulatif&gt;</translation>
    </message>
    <message>
        <source>Summary type</source>
        <translation>Type de récapitulatif</translation>
    </message>
    <message>
        <source>From Date</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Date box</source>
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>To Date</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>date box2</source>
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>Calls of the period</source>
        <translation>Appels de la période</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Please enter from and to dates.</source>
        <translation>Veuillez saisir les dates de début et de fin.</translation>
    </message>
    <message>
        <source>Print Displayed Summary?</source>
        <translation>Imprimer le récapitulatif affiché ?</translation>
    </message>
    <message>
        <source>Clear List Permenantly?</source>
        <translation>Vider la liste définitivement ?</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Un problème est survenu lors de l&apos;impression.</translation>
    </message>
    <message>
        <source>Internet Phone Costs</source>
        <translation>Coûts téléphoniques Internet</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n calls priced without the rules</source>
        <comment>the window&apos;s title first</comment>
        <translation>
            <numerusform>%1 - %n appel tarifé sans les règles</numerusform>
            <numerusform>%1 - %n appels tarifés sans les règles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmDataFees</name>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Data Tariff</source>
        <translation>Tarif des données</translation>
    </message>
    <message>
        <source>&amp;Price data by volume</source>
        <translation>Facturer les données au &amp;volume</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Tranche %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>début</translation>
    </message>
    <message>
        <source>p a MB</source>
        <translation>c/Mo</translation>
    </message>
    <message>
        <source>%1, band %2, from</source>
        <translation>%1, tranche %2, à partir de</translation>
    </message>
    <message>
        <source>%1, band %2, pence a MB</source>
        <translation>%1, tranche %2, centimes le Mo</translation>
    </message>
    <message>
        <source>&amp;Allowance (MB)</source>
        <translation>&amp;Forfait (Mo)</translation>
    </message>
    <message>
        <source>Monthly &amp;fee (pence)</source>
        <translation>&amp;Abonnement (centimes)</translation>
    </message>
    <message>
        <source>&amp;Bill starts on day (1 to 28)</source>
        <translation>Jour de &amp;début (1 à 28)</translation>
    </message>
    <message>
        <source>B&amp;eyond the allowance (p a MB)</source>
        <translation>Au-delà du forfait (c/&amp;Mo)</translation>
    </message>
    <message>
        <source>Bytes in a MB (si&amp;ze)</source>
        <translation>Octets par Mo (&amp;taille)</translation>
    </message>
    <message>
        <source>&amp;Round each session up to (bytes)</source>
        <translation>A&amp;rrondi par session (octets)</translation>
    </message>
    <message>
        <source>A band without a price never applies; 0 is free data. No allowance: every MB at its band&apos;s price. Nothing beyond the allowance: data stops or slows there.</source>
        <translation>Une tranche sans prix ne s&apos;applique jamais ; 0 signifie des données gratuites. Sans forfait : chaque Mo au prix de sa tranche. Rien au-delà du forfait : les données s&apos;arrêtent ou ralentissent là.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 The window shows a new data tariff; OK saves it.</source>
        <translation>%1 La fenêtre montre un nouveau tarif des données ; OK l&apos;enregistre.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; %3.</source>
        <translation>%1 : « %2 » %3.</translation>
    </message>
    <message>
        <source>The data tariff could not be saved: %1</source>
        <translation>Le tarif des données n&apos;a pas pu être enregistré : %1</translation>
    </message>
</context>
<context>
    <name>frmDays</name>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Set your telephone costs in pence for each day(24hr clock) from midnight.</source>
        <translation>Vos tarifs en centimes pour chaque jour (sur 24&#xa0;h) à partir de minuit.</translation>
    </message>
    <message>
        <source>min connect time</source>
        <translation>connexion min.</translation>
    </message>
    <message>
        <source>Minimum connect time in minutes</source>
        <translation>Durée minimale de connexion en minutes</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Rules...</source>
        <translation>&amp;Règles...</translation>
    </message>
    <message>
        <source>Time&apos;s</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Fee&apos;s</source>
        <translation>Tarifs</translation>
    </message>
    <message>
        <source>%1, band %2, </source>
        <translation>%1, tranche %2, </translation>
    </message>
    <message>
        <source>from</source>
        <translation>à partir de</translation>
    </message>
    <message>
        <source>pence a minute</source>
        <translation>centimes la minute</translation>
    </message>
    <message>
        <source>Days and Fees</source>
        <translation>Jours et tarifs</translation>
    </message>
    <message>
        <source>&amp;Data...</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>Save your changes to the fees and the min connect time?</source>
        <translation>Enregistrer vos modifications des tarifs et de la durée minimale de connexion ?</translation>
    </message>
</context>
<context>
    <name>frmModem</name>
    <message>
        <source>Connect Scan Interval</source>
        <translation>Intervalle de détection</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 secondes</translation>
    </message>
    <message>
        <source>20 seconds</source>
        <translation>20 secondes</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>Auto Run on Start up</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Splash on Start Up</source>
        <translation>Écran d&apos;accueil</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1 : %2</translation>
    </message>
    <message>
        <source>Settings.</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>%1 has been changed since the settings window opened. Replace it with the links shown in the window?</source>
        <translation>%1 a été modifié depuis l&apos;ouverture de la fenêtre des paramètres. Le remplacer par les liaisons affichées dans la fenêtre ?</translation>
    </message>
    <message>
        <source>How the links are billed could not be saved to %1: %2</source>
        <translation>La facturation des liaisons n&apos;a pas pu être enregistrée dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>a character the rules file cannot hold</source>
        <translation>un caractère que le fichier de règles ne peut pas contenir</translation>
    </message>
    <message>
        <source>The rules file could not be used, so calls are priced by the fees alone. %1.</source>
        <translation>Le fichier de règles n&apos;a pas pu être utilisé : les appels sont tarifés par les seuls tarifs. %1.</translation>
    </message>
    <message>
        <source>the units&apos; share</source>
        <translation>la part des unités</translation>
    </message>
    <message>
        <source>Such as 25/12, 27/12/2027, Easter-2 or Easter+1</source>
        <translation>Par exemple 25/12, 27/12/2027, Pâques-2 ou Pâques+1</translation>
    </message>
    <message>
        <source>Rules by &amp;time, one a line:</source>
        <translation>Règles &amp;horaires, une par ligne :</translation>
    </message>
    <message>
        <source>Rules by time, one a line</source>
        <translation>Règles horaires, une par ligne</translation>
    </message>
    <message>
        <source>Such as Mon-Fri 08:00-17:59 4.20 a minute, or Sat-Sun 00:00-23:59 10 per 90 s</source>
        <translation>Par exemple Lun-Ven 08:00-17:59 4,20 la minute, ou Sam-Dim 00:00-23:59 10 par 90 s</translation>
    </message>
    <message>
        <source>Check a &amp;bill...</source>
        <translation>Vérifier une &amp;facture...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter the fee per call in pence, such as 15 or 1.5, or leave it empty for none.</source>
        <translation>Veuillez saisir les frais par appel en centimes, comme 15 ou 1,5, ou laisser vide pour aucun.</translation>
    </message>
    <message>
        <source>Please enter the first charge in pence, such as 9.1, or leave it empty for the units&apos; share of the fee.</source>
        <translation>Veuillez saisir le premier montant en centimes, comme 9,1, ou laisser vide pour la part du tarif revenant aux unités.</translation>
    </message>
    <message>
        <source>Please enter the minimum charge per call in pence, such as 20, or leave it empty for none.</source>
        <translation>Veuillez saisir le montant minimal par appel en centimes, comme 20, ou laisser vide pour aucun.</translation>
    </message>
    <message>
        <source>Holiday line %1, &quot;%2&quot;, is not a day Callwise knows. Please write each as 25/12, 27/12/2027, Easter-2 or Easter+1.</source>
        <translation>La ligne de jour férié %1, « %2 », n&apos;est pas un jour que Callwise connaît. Veuillez écrire chacun comme 25/12, 27/12/2027, Pâques-2 ou Pâques+1.</translation>
    </message>
    <message>
        <source>Rules by time, %1. Please correct the line or take it out.</source>
        <translation>Règles horaires, %1. Veuillez corriger la ligne ou la retirer.</translation>
    </message>
    <message>
        <source>Please list at most %1 holidays and rules by time.</source>
        <translation>Veuillez indiquer au plus %1 jours fériés et règles horaires.</translation>
    </message>
    <message>
        <source>Tariff Rules</source>
        <translation>Règles tarifaires</translation>
    </message>
    <message>
        <source>every minute begun</source>
        <translation>par minute entamée</translation>
    </message>
    <message>
        <source>Import a Ruleset</source>
        <translation>Importer un jeu de règles</translation>
    </message>
    <message>
        <source>Rulesets (*.rst);;All files (*)</source>
        <translation>Jeux de règles (*.rst);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1

The %2 could not be saved to %3: %4</source>
        <translation>%1

Les %2 n&apos;ont pas pu être enregistrés dans %3 : %4</translation>
    </message>
    <message>
        <source>fees</source>
        <translation>tarifs</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>règles</translation>
    </message>
    <message>
        <source>&amp;Fee per call (pence)</source>
        <translation>Frais &amp;par appel (centimes)</translation>
    </message>
    <message>
        <source>Time &amp;charged (first/unit seconds)</source>
        <translation>Durée fa&amp;cturée (première/unité, s)</translation>
    </message>
    <message>
        <source>Fi&amp;rst charge (pence)</source>
        <translation>P&amp;remier montant (centimes)</translation>
    </message>
    <message>
        <source>&amp;Minimum charge per call (pence)</source>
        <translation>Montant &amp;minimal par appel (centimes)</translation>
    </message>
    <message>
        <source>Each &amp;unit at its own rate</source>
        <translation>Chaque &amp;unité à son propre tarif</translation>
    </message>
    <message>
        <source>&amp;Holidays priced as Sundays, one a line:</source>
        <translation>&amp;Jours fériés tarifés comme le dimanche, un par ligne :</translation>
    </message>
    <message>
        <source>The bank holidays of &amp;England and Wales</source>
        <translation>Les jours fériés d&apos;&amp;Angleterre et du pays de Galles</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not charge units such as 60/1 or 12/12.</source>
        <translation>« %1 » n&apos;est pas des unités de taxation comme 60/1 ou 12/12.</translation>
    </message>
    <message>
        <source>Please enter the time charged as first/unit seconds, such as 60/1 or 12/12, or choose every minute begun.</source>
        <translation>Veuillez saisir la durée facturée en secondes première/unité, comme 60/1 ou 12/12, ou choisir par minute entamée.</translation>
    </message>
    <message>
        <source>Import %1 into the fee table and the rules, to be saved by OK?
%2</source>
        <translation>Importer %1 dans la table des tarifs et les règles, à enregistrer par OK ?
%2</translation>
    </message>
</context>
</TS>
