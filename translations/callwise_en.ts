<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BillText</name>
    <message numerus="yes">
        <source>%n %1</source>
        <comment>a day of the month and its short name</comment>
        <translation>
            <numerusform>%n %1</numerusform>
            <numerusform>%n %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PriceDifferences</name>
    <message numerus="yes">
        <source>under %n minutes</source>
        <translation>
            <numerusform>under %n minute</numerusform>
            <numerusform>under %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n calls %1 differ by %2.</source>
        <translation>
            <numerusform>%n call %1 differs by %2.</numerusform>
            <numerusform>%n calls %1 differ by %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more calls differ.</source>
        <translation>
            <numerusform>%n more call differs.</numerusform>
            <numerusform>%n more calls differ.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RateChange</name>
    <message numerus="yes">
        <source>per %n seconds</source>
        <translation>
            <numerusform>per %n second</numerusform>
            <numerusform>per %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuleSuggestion</name>
    <message numerus="yes">
        <source>No setting of the rules makes more than the %n of %1 calls match that match now.</source>
        <translation>
            <numerusform>No setting of the rules makes more than the %n of %1 calls match that matches now.</numerusform>
            <numerusform>No setting of the rules makes more than the %n of %1 calls match that match now.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The rules as they are set now would make %n of %1 calls match: these calls were priced before they were set.</source>
        <translation>
            <numerusform>The rules as they are set now would make %n of %1 calls match: this call was priced before they were set.</numerusform>
            <numerusform>The rules as they are set now would make %n of %1 calls match: these calls were priced before they were set.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a minimum connect time of %n minutes</source>
        <translation>
            <numerusform>a minimum connect time of %n minute</numerusform>
            <numerusform>a minimum connect time of %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With %1, %n of %2 calls would match.</source>
        <translation>
            <numerusform>With %1, %n of %2 calls would match.</numerusform>
            <numerusform>With %1, %n of %2 calls would match.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenWords</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
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
            <numerusform>%n pound</numerusform>
            <numerusform>%n pounds</numerusform>
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
            <numerusform>%n euro cent</numerusform>
            <numerusform>%n euro cents</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TariffComparison</name>
    <message numerus="yes">
        <source>%n calls from %1 to %2</source>
        <translation>
            <numerusform>%n call from %1 to %2</numerusform>
            <numerusform>%n calls from %1 to %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAlerts</name>
    <message numerus="yes">
        <source>every %n minutes</source>
        <translation>
            <numerusform>every %n minute</numerusform>
            <numerusform>every %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <translation>
            <numerusform>%n second before</numerusform>
            <numerusform>%n seconds before</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minute before</numerusform>
            <numerusform>%n minutes before</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmCosts</name>
    <message numerus="yes">
        <source>%1 - %n calls priced without the rules</source>
        <comment>the window&apos;s title first</comment>
        <translation>
            <numerusform>%1 - %n call priced without the rules</numerusform>
            <numerusform>%1 - %n calls priced without the rules</numerusform>
        </translation>
    </message>
</context>
</TS>
