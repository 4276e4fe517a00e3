<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoreText</name>
    <message>
        <location filename="../src/core/channels/channel_editor.cpp" line="+62"/>
        <location line="+121"/>
        <location line="+1"/>
        <location line="+4"/>
        <location line="+2"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+36"/>
        <location line="+15"/>
        <location filename="../src/core/settings/scan_page.cpp" line="+11"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="+10"/>
        <location line="+36"/>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <location line="-109"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+69"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-14"/>
        <location line="+21"/>
        <source>Channel type</source>
        <translation>Kanaltyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/channels/channel_table.cpp" line="-1"/>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signal type</source>
        <translation>Signaltyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+94"/>
        <source>Only rx</source>
        <translation>Nur Empfang</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Busy</source>
        <translation>Belegtsperre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx tone</source>
        <translation>Rx-Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx tone</source>
        <translation>Tx-Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog call 1</source>
        <translation>Analogruf 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog call 2</source>
        <translation>Analogruf 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color code</source>
        <translation>Farbcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx contact</source>
        <translation>Tx-Kontakt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group rx list</source>
        <translation>Rx-Gruppenliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location filename="../src/core/dpmr/contacts.h" line="+24"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <location filename="../src/core/settings/dtmf_contact_page.cpp" line="+14"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-22"/>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Msg no.</source>
        <translation>Nachr.-Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx color code</source>
        <translation>Rx-Farbcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx color code</source>
        <translation>Tx-Farbcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status info no</source>
        <translation>Statusinfo-Nummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset direction</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-2"/>
        <location line="+24"/>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="-1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-39"/>
        <location line="+33"/>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-19"/>
        <location line="+24"/>
        <source>Talk around</source>
        <translation>Direktbetrieb</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="+136"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-30"/>
        <location line="+28"/>
        <source>Auto contact</source>
        <translation>Auto-Kontakt</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="-4"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-27"/>
        <location line="+27"/>
        <source>Work alone</source>
        <translation>Alleinarbeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PTTID</source>
        <translation>PTTID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+16"/>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+1"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+3"/>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+1"/>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+12"/>
        <location line="+4"/>
        <location line="+15"/>
        <location filename="../src/core/dpmr/dpmr_basic_page.cpp" line="+86"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="-12"/>
        <location line="+5"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+38"/>
        <location filename="../src/core/settings/option_page.cpp" line="+12"/>
        <location line="+6"/>
        <location line="+9"/>
        <location filename="../src/core/settings/scan_page.cpp" line="+36"/>
        <location filename="../src/core/settings/tone_light_page.cpp" line="+32"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="-33"/>
        <location filename="../src/core/factory/factory_pages.cpp" line="+82"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="+0"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/settings/scan_page.cpp" line="+6"/>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Call</source>
        <translation>Ruf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data Type 1</source>
        <translation>Datentyp 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Type 2</source>
        <translation>Datentyp 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data Type 3</source>
        <translation>Datentyp 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow user data</source>
        <translation>Langsame Nutzdaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status message</source>
        <translation>Statusmeldung</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_editor.h" line="+60"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-25"/>
        <location line="+26"/>
        <source>Call 1</source>
        <translation>Ruf 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-25"/>
        <location line="+25"/>
        <source>Call 2</source>
        <translation>Ruf 2</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="-26"/>
        <source>Rx Freq</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Tone</source>
        <translation>Rx-Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>Tx-Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Digit</source>
        <translation>Digital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mixed(Digit)</source>
        <translation>Gemischt (Digital)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mixed(Analog)</source>
        <translation>Gemischt (Analog)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Del</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.h" line="+148"/>
        <source>Not find factory.dat</source>
        <translation>factory.dat nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/core/dpmr/contacts.h" line="-6"/>
        <source>Single call</source>
        <translation>Einzelruf</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-16"/>
        <location line="+19"/>
        <source>Group call</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location filename="../src/core/dpmr/dpmr_basic_page.cpp" line="-55"/>
        <source>Saving the file or writing to the radio always stores AAAAAAA here, so it cannot be changed.</source>
        <translation>Beim Speichern der Datei oder Schreiben in das Funkgerät wird hier immer AAAAAAA gespeichert; der Wert kann daher nicht geändert werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saving the file or writing to the radio always stores 0 here, so it cannot be changed.</source>
        <translation>Beim Speichern der Datei oder Schreiben in das Funkgerät wird hier immer 0 gespeichert; der Wert kann daher nicht geändert werden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Radio name</source>
        <translation>Funkgerätename</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ACK reply times</source>
        <translation>Anzahl ACK-Antworten</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+0"/>
        <location filename="../src/core/settings/option_page.cpp" line="-9"/>
        <location filename="../src/core/settings/scan_page.cpp" line="-6"/>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radio id</source>
        <translation>Funkgeräte-ID</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All code</source>
        <translation>Sammelrufcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="-14"/>
        <source>Kill code</source>
        <translation>Sperrcode</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Active code</source>
        <translation>Freigabecode</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Codec type</source>
        <translation>Codec-Typ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kill/active decode</source>
        <translation>Sperr-/Freigabe-Dekodierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+15"/>
        <source>Kill type</source>
        <translation>Sperrart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx inhibit</source>
        <translation>Senden gesperrt</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+1"/>
        <source>tx/rx inhibit</source>
        <translation>Senden/Empfang gesperrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-15"/>
        <location line="+16"/>
        <source>Kill</source>
        <translation>Stilllegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat mode</source>
        <translation>Relaismodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direct</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Repeat</source>
        <translation>Relais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow all call</source>
        <translation>Sammelruf erlauben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tx pre-carrier time</source>
        <translation>Tx-Vorträgerzeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group hold time</source>
        <translation>Gruppen-Haltezeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Single call time</source>
        <translation>Einzelrufzeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mixed mode reset</source>
        <translation>Mischbetrieb-Rücksetzung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wake frame</source>
        <translation>Weckrahmen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ACK reply delay</source>
        <translation>ACK-Antwortverzögerung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ACK reply wait</source>
        <translation>ACK-Antwortwartezeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx delay time</source>
        <translation>Sendeverzögerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dial access</source>
        <translation>Wählzugang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voice store/replay</source>
        <translation>Sprachspeicher/-wiedergabe</translation>
    </message>
    <message>
        <location filename="../src/core/factory/factory_pages.cpp" line="-70"/>
        <source>数字</source>
        <translation>Digital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>模拟</source>
        <translation>Analog</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Tx</source>
        <translation>Senden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT-DC-Offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ROUT直流偏置调节</source>
        <translation>ROUT-DC-Offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>两路调制信号增益调节</source>
        <translation>Verstärkung beider Modulationssignale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>左通道信号增益调节</source>
        <translation>Signalverstärkung linker Kanal</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+8"/>
        <source>右通道信号增益调节</source>
        <translation>Signalverstärkung rechter Kanal</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+11"/>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC-Eingangsverstärkung (dB)</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+11"/>
        <source>左通道输出增益调节</source>
        <translation>Ausgangsverstärkung linker Kanal</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+13"/>
        <source>右通道输出增益调节</source>
        <translation>Ausgangsverstärkung rechter Kanal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>限幅前信号增益</source>
        <translation>Signalverstärkung vor Begrenzer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>限幅后信号增益</source>
        <translation>Signalverstärkung nach Begrenzer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS信号增益</source>
        <translation>CTCSS-Signalverstärkung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DCS信号增益</source>
        <translation>DCS-Signalverstärkung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rx</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>接收输入增益调节 (db)</source>
        <translation>Empfangs-Eingangsverstärkung (dB)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>解码输入增益调节</source>
        <translation>Decoder-Eingangsverstärkung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>接收话音输出增益调节</source>
        <translation>Empfangs-Sprachausgangsverstärkung</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF-Geberamplitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VCO输出增益调节 (db)</source>
        <translation>VCO-Ausgangsverstärkung (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TCXO输出增益调节 (db)</source>
        <translation>TCXO-Ausgangsverstärkung (dB)</translation>
    </message>
    <message>
        <location filename="../src/core/link/factory_exchange.cpp" line="+37"/>
        <location filename="../src/core/link/transfer.cpp" line="+100"/>
        <location line="+25"/>
        <source>Stopped by the user.</source>
        <translation>Vom Benutzer angehalten.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Read successfully</source>
        <translation>Erfolgreich gelesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write successfully</source>
        <translation>Erfolgreich geschrieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cound not open the port</source>
        <translation>Der Anschluss konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <location filename="../src/core/link/transfer.cpp" line="-113"/>
        <source>Cound not open the port.</source>
        <translation>Der Anschluss konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>通信出錯</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>holds a partly written image: write it again before use</source>
        <translation>enthält ein teilweise geschriebenes Abbild: vor der Verwendung erneut schreiben</translation>
    </message>
    <message>
        <location filename="../src/core/settings/alarm_page.cpp" line="-78"/>
        <source>Cycle</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit delay (s)</source>
        <translation>Ausgangsverzögerung (s)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Tx interval (s)</source>
        <translation>Sendeintervall (s)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Digit alarm id code</source>
        <translation>Digitaler Alarm-ID-Code</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+7"/>
        <source>prohibit</source>
        <translation>Verboten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+0"/>
        <source>allow</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog alarm id code</source>
        <translation>Analoger Alarm-ID-Code</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alarm type</source>
        <translation>Alarmart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only whistle</source>
        <translation>Nur Pfeifton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secret</source>
        <translation>Still</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send alarm id</source>
        <translation>Alarm-ID senden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID type</source>
        <translation>ID-Typ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm time (s)</source>
        <translation>Alarmdauer (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx time (s)</source>
        <translation>Sendedauer (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx time (s)</source>
        <translation>Empfangsdauer (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work alone time (min)</source>
        <translation>Alleinarbeit-Zeit (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work alone pre-remind (s)</source>
        <translation>Alleinarbeit-Vorwarnung (s)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Query interval (min)</source>
        <translation>Abfrageintervall (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upside</source>
        <translation>Lagealarm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entry delay time (s)</source>
        <translation>Eingangsverzögerung (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upside pre-prompt  (s)</source>
        <translation>Lagealarm-Vorwarnung (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="-64"/>
        <source>Group call code</source>
        <translation>Gruppenrufcode</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Decode response</source>
        <translation>Dekodier-Antwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remind</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remind and Reply</source>
        <translation>Hinweis und Antwort</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Decode</source>
        <translation>Dekodierung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kill Active</source>
        <translation>Sperren/Freigeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tx inhibit</source>
        <translation>Senden gesperrt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Person ID</source>
        <translation>Personen-ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto reset time (s)</source>
        <translation>Auto-Rücksetzzeit (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Decode display</source>
        <translation>Dekodier-Anzeige</translation>
    </message>
    <message>
        <location filename="../src/core/settings/dtmf_encode_page.cpp" line="+17"/>
        <source>Speed (digit/s)</source>
        <translation>Geschwindigkeit (Ziffern/s)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Inhibit</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Encode</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First digit delay (ms)</source>
        <translation>Verzögerung erste Ziffer (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First digit (ms)</source>
        <translation>Erste Ziffer (ms)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*和# tone (ms)</source>
        <translation>*- und #-Ton (ms)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short beep</source>
        <translation>Kurzer Piepton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTTID type</source>
        <translation>PTTID-Typ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On line</source>
        <translation>Online</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off line</source>
        <translation>Offline</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On-line code</source>
        <translation>Online-Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off-line  code</source>
        <translation>Offline-Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hold time (s)</source>
        <translation>Haltezeit (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response wait</source>
        <translation>Antwort abwarten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response wait time (s)</source>
        <translation>Antwort-Wartezeit (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/option_page.cpp" line="+3"/>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SQL</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving mode</source>
        <translation>Stromsparmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving delay time (s)</source>
        <translation>Stromspar-Verzögerung (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APO</source>
        <translation>APO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STE</source>
        <translation>STE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freq</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wired copy</source>
        <translation>Kabelkopie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wireless copy</source>
        <translation>Funkkopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT (s)</source>
        <translation>TOT (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>TOT</source>
        <translation>TOT</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>TOT pre-aleat  (s)</source>
        <translation>TOT-Vorwarnung (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TOT re-key time (s)</source>
        <translation>TOT-Wiedertastzeit (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TOT reset time (s)</source>
        <translation>TOT-Rücksetzzeit (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-39"/>
        <location line="+32"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>VOX sense</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX delay (s)</source>
        <translation>VOX-Verzögerung (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/scan_page.cpp" line="+3"/>
        <source>Scan Info</source>
        <translation>Suchlauf-Info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan mode</source>
        <translation>Suchlaufmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone scan mode</source>
        <translation>Ton-Suchlaufmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not detect</source>
        <translation>Keine Erkennung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Non pri ch</source>
        <translation>Nicht-Prio-Kanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Priority ch</source>
        <translation>Prio-Kanal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>all ch</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority channel</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk back</source>
        <translation>Rücksprechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan begin beep</source>
        <translation>Suchlauf-Startton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan end beep</source>
        <translation>Suchlauf-Endton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop time (s)</source>
        <translation>Verweilzeit (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Fortsetzverzögerung nach Tx/Rx (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scan tx channel</source>
        <translation>Suchlauf-Sendekanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry ch before scan</source>
        <translation>Kanal vor Suchlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last active ch</source>
        <translation>Letzter aktiver Kanal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Specified ch</source>
        <translation>Festgelegter Kanal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Specified channel</source>
        <translation>Festgelegter Kanal</translation>
    </message>
    <message>
        <location filename="../src/core/settings/side_key_page.cpp" line="-37"/>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+33"/>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+32"/>
        <source>Noise ch tmp remove</source>
        <translation>Störkanal temporär entfernen</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+31"/>
        <source>Hihg/Low power</source>
        <translation>Leistung Hoch/Niedrig</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+31"/>
        <source>Power detect</source>
        <translation>Akkustand prüfen</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+30"/>
        <source>EMI</source>
        <translation>EMI</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>EMI close</source>
        <translation>EMI aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Backlight</source>
        <translation>Hintergrundbeleuchtung</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+25"/>
        <source>Encrypt</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Key lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <source>1750 signal</source>
        <translation>1750-Hz-Ton</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>Pri ch scan</source>
        <translation>Prio-Kanal-Suchlauf</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Noise suppression switch</source>
        <translation>Rauschunterdrückung ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flashlight</source>
        <translation>Taschenlampe</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wake</source>
        <translation>Wecken</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Side Key</source>
        <translation>Seitentasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Long key (s)</source>
        <translation>Langer Tastendruck (s)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Short press</source>
        <translation>Kurz drücken</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+2"/>
        <source>SK1</source>
        <translation>SK1</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Long press</source>
        <translation>Lang drücken</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+2"/>
        <source>SK2</source>
        <translation>SK2</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>TK1</source>
        <translation>TK1</translation>
    </message>
    <message>
        <location filename="../src/core/settings/tone_light_page.cpp" line="-18"/>
        <source>Tone and Light</source>
        <translation>Ton und Licht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power-on tone</source>
        <translation>Einschaltton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown tone</source>
        <translation>Ausschaltton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown pre-aleat tone</source>
        <translation>Ausschalt-Warnton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call out tone</source>
        <translation>Ausgehender Rufton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low voltage</source>
        <translation>Unterspannung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single call tone</source>
        <translation>Einzelrufton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group call tone</source>
        <translation>Gruppenrufton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx exit tone</source>
        <translation>Empfangsendeton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call link reset tone</source>
        <translation>Rufverbindung-Rücksetzton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power-on light</source>
        <translation>Einschaltlicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx light</source>
        <translation>Sendelicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx light</source>
        <translation>Empfangslicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan state light</source>
        <translation>Suchlauf-Statuslicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low voltage light</source>
        <translation>Unterspannungslicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice broadcast</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shock</source>
        <translation>Vibration</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/gui/app/language.cpp" line="+157"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Built-in texts</source>
        <translation>Eingebaute Texte</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>%1 (system language)</source>
        <translation>%1 (Systemsprache)</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/app/main.cpp" line="+75"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language takes effect when dpmr-cps is started again.</source>
        <translation>Die Sprache gilt ab dem nächsten Start von dpmr-cps.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main.cpp" line="+1"/>
        <source>The window shows its built-in texts.</source>
        <translation>Das Fenster zeigt seine eingebauten Texte.</translation>
    </message>
</context>
<context>
    <name>StepRunner</name>
    <message>
        <location filename="../src/gui/widgets/step_runner.h" line="+24"/>
        <source>Read from radio</source>
        <translation>Aus dem Funkgerät lesen</translation>
    </message>
</context>
<context>
    <name>cps::BackupsDialog</name>
    <message>
        <location filename="../src/gui/link/backups_dialog.cpp" line="+20"/>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No backups yet in %1</source>
        <translation>Noch keine Sicherungen in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every read from a radio is kept in %1</source>
        <translation>Jedes Lesen aus einem Funkgerät wird in %1 aufbewahrt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio name</source>
        <translation>Funkgerätename</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio id</source>
        <translation>Funkgeräte-ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(cannot be read)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>* kept beside the program: move it to %1</source>
        <translation>* neben dem Programm abgelegt: nach %1 verschieben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to radio...</source>
        <translation>In das Funkgerät schreiben...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put this backup back into the radio exactly as it was kept</source>
        <translation>Diese Sicherung genau so, wie sie aufbewahrt wurde, zurück in das Funkgerät schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>* %1 of these lie in %2, beside the program, which is no portable install (it has no Program.ini): move them to %3 before that folder is deleted.</source>
        <translation>* %1 davon liegen in %2, neben dem Programm, das keine portable Installation ist (es hat keine Program.ini): Verschieben Sie sie nach %3, bevor dieser Ordner gelöscht wird.</translation>
    </message>
</context>
<context>
    <name>cps::BulkEditDialog</name>
    <message>
        <location filename="../src/gui/channels/bulk_edit_dialog.cpp" line="+47"/>
        <source>Bulk edit</source>
        <translation>Mehrfach bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tick the values to set on %1 %2:</source>
        <extracomment>%1 is the row name (&quot;Channel&quot;, &quot;PMR channel&quot;), %2 the row numbers.</extracomment>
        <translation>Werte ankreuzen, die für %1 %2 gesetzt werden sollen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tick the values to set on %1s %2:</source>
        <translation>Werte ankreuzen, die für %1 %2 gesetzt werden sollen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Channel table</source>
        <translation>Kanaltabelle</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Channel Edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On</source>
        <translation>Ein</translation>
    </message>
</context>
<context>
    <name>cps::CAlarmDlg</name>
    <message>
        <location filename="../src/gui/settings/settings_dialogs.cpp" line="+32"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>cps::CBasicSettingDlg</name>
    <message>
        <location line="-15"/>
        <source>Basic setting</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side Key</source>
        <translation>Seitentasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone and Light</source>
        <translation>Ton und Licht</translation>
    </message>
</context>
<context>
    <name>cps::CContactPage</name>
    <message>
        <location filename="../src/gui/dpmr/contact_page.cpp" line="+21"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>cps::CDpmrParamDlg</name>
    <message>
        <location filename="../src/gui/dpmr/dpmr_param_dialog.cpp" line="+17"/>
        <source>dPMR param</source>
        <translation>dPMR-Parameter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg outbox</source>
        <translation>Postausgang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg inbox</source>
        <translation>Posteingang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group rx list</source>
        <translation>Rx-Gruppenliste</translation>
    </message>
</context>
<context>
    <name>cps::CDtmfContactPage</name>
    <message>
        <location filename="../src/gui/settings/dtmf_contact_page.cpp" line="+16"/>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
</context>
<context>
    <name>cps::CDtmfDlg</name>
    <message>
        <location filename="../src/gui/settings/settings_dialogs.cpp" line="+15"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encode</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decode</source>
        <translation>Dekodierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
</context>
<context>
    <name>cps::CEncryptPage</name>
    <message>
        <location filename="../src/gui/dpmr/encrypt_page.cpp" line="+20"/>
        <location line="+5"/>
        <source>Encrypt</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>cps::CGroupRxListPage</name>
    <message>
        <location filename="../src/gui/dpmr/group_rx_list_page.cpp" line="+40"/>
        <source>Add &gt;&gt;</source>
        <translation>Hinzufügen &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Del &lt;&lt;</source>
        <translation>Entfernen &lt;&lt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unallocated:</source>
        <translation>Nicht zugeordnet:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allocated:</source>
        <translation>Zugeordnet:</translation>
    </message>
</context>
<context>
    <name>cps::CMainFrame</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+35"/>
        <source>*.dat (*.dat);;All files (*)</source>
        <translation>*.dat (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — %2 Software</source>
        <extracomment>%1 is the file name (&quot;[*]&quot; marks unsaved changes), %2 the radio model.</extracomment>
        <translation>%1[*] — %2 Software</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Pre&amp;view</source>
        <translation>Druckv&amp;orschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint Setup...</source>
        <translation>Dru&amp;ckereinrichtung...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Info</source>
        <translation>Suchlauf-Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic setting</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dPMR</source>
        <translation>dPMR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Program</source>
        <translation>&amp;Programmieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read Data From Radio</source>
        <translation>Daten aus dem Funkgerät lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write Data to Radio </source>
        <translation>Daten in das Funkgerät schreiben </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_link.cpp" line="+135"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Create a new document</source>
        <translation>Ein neues Dokument erstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter neuem Namen speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Dokumenten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar</source>
        <translation>Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar</source>
        <translation>Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <location line="+52"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_help.cpp" line="+29"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+52"/>
        <location filename="../src/gui/app/main_window_desk.cpp" line="+159"/>
        <location filename="../src/gui/app/main_window_interop.cpp" line="+141"/>
        <location line="+7"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Failed to open document.
%1</source>
        <translation>Das Dokument konnte nicht geöffnet werden.
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file was opened as a new document; Save asks for a name.</source>
        <translation>Die Datei wurde als neues Dokument geöffnet; Speichern fragt nach einem Namen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Failed to save document %1.
%2</source>
        <translation>Das Dokument %1 konnte nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+45"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>PMR Channel</source>
        <translation>PMR-Kanal</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.h" line="+227"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_interop.cpp" line="-121"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import c&amp;hannels…</source>
        <translation>&amp;Kanäle importieren…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Put the channels of a CHIRP CSV file into the channel table</source>
        <translation>Die Kanäle einer CHIRP-CSV-Datei in die Kanaltabelle übernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export channe&amp;ls…</source>
        <translation>Kanäle e&amp;xportieren…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write the channels to a CHIRP CSV file</source>
        <translation>Die Kanäle in eine CHIRP-CSV-Datei schreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New from te&amp;mplate…</source>
        <translation>Neu aus Vor&amp;lage…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create a new document from a channel plan</source>
        <translation>Ein neues Dokument aus einem Kanalplan erstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save channels as templat&amp;e…</source>
        <translation>Kanäle als Vorl&amp;age speichern…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep the channels as a template of your own</source>
        <translation>Die Kanäle als eigene Vorlage aufbewahren</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot import channels from %1.
%2</source>
        <translation>Kanäle aus %1 können nicht importiert werden.
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Export channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot export the channels to %1.
%2</source>
        <translation>Die Kanäle können nicht nach %1 exportiert werden.
%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The channels of template &apos;%1&apos; lie in no band of this radio.</source>
        <translation>Die Kanäle der Vorlage &apos;%1&apos; liegen in keinem Band dieses Funkgeräts.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New from template</source>
        <translation>Neu aus Vorlage</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save channels as template</source>
        <translation>Kanäle als Vorlage speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Template name:</source>
        <translation>Vorlagenname:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is a template that comes with the program. Save your channels under this name? Your template then takes its place in the list.</source>
        <translation>%1 ist eine mit dem Programm gelieferte Vorlage. Ihre Kanäle unter diesem Namen speichern? Ihre Vorlage nimmt dann deren Platz in der Liste ein.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace the template %1?</source>
        <translation>Vorlage %1 ersetzen?</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot save the template %1.
%2</source>
        <translation>Die Vorlage %1 kann nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Template %1 saved in %2</source>
        <translation>Vorlage %1 in %2 gespeichert</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_text.cpp" line="+23"/>
        <source>*.yaml (*.yaml *.yml)</source>
        <translation>*.yaml (*.yaml *.yml)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*.dat *.yaml (*.dat *.yaml *.yml)</source>
        <translation>*.dat *.yaml (*.dat *.yaml *.yml)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Export as &amp;text...</source>
        <translation>Als &amp;Text exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import from text...</source>
        <translation>Aus Text &amp;importieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Compare with file...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Failed to export %1.
%2</source>
        <translation>%1 konnte nicht exportiert werden.
%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to import %1.
%2</source>
        <translation>%1 konnte nicht importiert werden.
%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+4"/>
        <location line="+33"/>
        <source>Import from text</source>
        <translation>Aus Text importieren</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Some values of %1 were stored otherwise or not applied:</source>
        <translation>Einige Werte aus %1 wurden anders gespeichert oder nicht übernommen:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to compare with %1.
%2</source>
        <translation>Vergleich mit %1 fehlgeschlagen.
%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Export as text</source>
        <translation>Als Text exportieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_desk.cpp" line="-107"/>
        <source>%1 files were dropped. Drop one image file (.dat) at a time.</source>
        <translation>%1 Dateien wurden abgelegt. Bitte jeweils nur eine Abbilddatei (.dat) ablegen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a file on this computer and was not opened.</source>
        <translation>%1 ist keine Datei auf diesem Computer und wurde nicht geöffnet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a channel list, not an image file (.dat).
Import its channels into the channel table?</source>
        <translation>%1 ist eine Kanalliste, keine Abbilddatei (.dat).
Ihre Kanäle in die Kanaltabelle importieren?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not an image file (.dat) and was not opened.</source>
        <translation>%1 ist keine Abbilddatei (.dat) und wurde nicht geöffnet.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recent &amp;files</source>
        <translation>&amp;Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 no longer exists.
It has been removed from the recent files.</source>
        <translation>%1 existiert nicht mehr.
Die Datei wurde aus den zuletzt verwendeten Dateien entfernt.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/gui/app/main_window_interop.cpp" line="-120"/>
        <location line="+22"/>
        <source>Import channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_help.cpp" line="-9"/>
        <source>The user guide is not installed.
It is docs/user-guide.md in the program&apos;s source, or user-guide.md in its documentation folder.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert.
Es liegt als docs/user-guide.md im Quellcode des Programms oder als user-guide.md in seinem Dokumentationsordner.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 Software</source>
        <extracomment>%1 is the radio model.</extracomment>
        <translation>%1 Software</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).</source>
        <translation>Freie Software unter der GNU General Public License,
Version 3 oder jede spätere Version (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;a href=&quot;guide&quot;&gt;User guide&lt;/a&gt; (F1)</source>
        <translation>&lt;a href=&quot;guide&quot;&gt;Benutzerhandbuch&lt;/a&gt; (F1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_history.cpp" line="+55"/>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo the change undone last</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Undo</source>
        <extracomment>%1 is the name of the step Undo takes back.</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <extracomment>%1 is the name of the step Redo makes again.</extracomment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_link.cpp" line="-95"/>
        <source>&amp;Backups...</source>
        <translation>S&amp;icherungen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open an image kept from an earlier read</source>
        <translation>Ein bei einem früheren Lesen aufbewahrtes Abbild öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to &amp;several radios...</source>
        <translation>In &amp;mehrere Funkgeräte schreiben...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write the image into several radios at once</source>
        <translation>Das Abbild gleichzeitig in mehrere Funkgeräte schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chec&amp;k image...</source>
        <translation>Abbild &amp;prüfen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Look the image over for what the radio would refuse and likely mistakes</source>
        <translation>Das Abbild auf Werte, die das Funkgerät ablehnen würde, und auf wahrscheinliche Fehler prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with ra&amp;dio...</source>
        <translation>Mit Funkgerät &amp;vergleichen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read the radio and show what a write would change in it</source>
        <translation>Das Funkgerät lesen und zeigen, was ein Schreiben darin ändern würde</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: double-click the channel to edit this field</source>
        <translation>%1: Kanal doppelklicken, um dieses Feld zu bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit, PMR Channel</source>
        <translation>Bearbeiten, PMR-Kanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit, dPMR</source>
        <translation>Bearbeiten, dPMR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the band selector above the channel table</source>
        <translation>die Bandauswahl über der Kanaltabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the channel table</source>
        <translation>die Kanaltabelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>%1 is a key of the image (&quot;dpmr.contact.3&quot;), %2 where its field is edited.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Compare with radio - read</source>
        <translation>Mit Funkgerät vergleichen - Lesen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compare with radio</source>
        <translation>Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_text.cpp" line="-17"/>
        <source>This image</source>
        <translation>Dieses Abbild</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A write puts this image&apos;s values into the radio.</source>
        <translation>Beim Schreiben gelangen die Werte dieses Abbilds in das Funkgerät.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No serial trace: %1</source>
        <translation>Kein serielles Protokoll: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The read is complete, but no backup of it could be kept.

%1</source>
        <translation>Das Lesen ist abgeschlossen, aber es konnte keine Sicherung davon angelegt werden.

%1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Read from the radio on %1</source>
        <translation>Aus dem Funkgerät an %1 gelesen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Written to the radio on %1</source>
        <translation>In das Funkgerät an %1 geschrieben</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The backup cannot be read.
%1</source>
        <translation>Die Sicherung kann nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write to radio</source>
        <translation>In das Funkgerät schreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this backup into the radio on %1, byte for byte as it was kept?

Radio name: %2
Radio id: %3
File: %4

The radio then holds this image; the document in the program does not change.</source>
        <translation>Diese Sicherung Byte für Byte, wie sie aufbewahrt wurde, in das Funkgerät an %1 schreiben?

Funkgerätename: %2
Funkgeräte-ID: %3
Datei: %4

Das Funkgerät enthält dann dieses Abbild; das Dokument im Programm ändert sich nicht.</translation>
    </message>
</context>
<context>
    <name>cps::CMsgInboxPage</name>
    <message>
        <location filename="../src/gui/dpmr/msg_pages.cpp" line="+59"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Num</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear current</source>
        <translation>Aktuelle leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unread</source>
        <translation>Ungelesen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
</context>
<context>
    <name>cps::CMsgOutboxPage</name>
    <message>
        <location line="-68"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>增加</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>插入</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>cps::CPasswordDlg</name>
    <message>
        <location filename="../src/gui/app/password_dialog.cpp" line="+18"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pwd</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>cps::CScanInfoDlg</name>
    <message>
        <location filename="../src/gui/settings/settings_dialogs.cpp" line="-10"/>
        <source>Scan Info</source>
        <translation>Suchlauf-Info</translation>
    </message>
</context>
<context>
    <name>cps::ChannelEditDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_edit_dialog.h" line="+72"/>
        <source>Channel Edit: values stored as shown</source>
        <translation>Kanal bearbeiten: Werte wie angezeigt gespeichert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PMR Channel Edit: values stored as shown</source>
        <translation>PMR-Kanal bearbeiten: Werte wie angezeigt gespeichert</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_edit_dialog.cpp" line="+90"/>
        <source>PMR Channel Edit</source>
        <translation>PMR-Kanal bearbeiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel Edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Channel no.</source>
        <translation>Kanal-Nr.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rx freq (MHz)</source>
        <translation>Rx-Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx freq (MHz)</source>
        <translation>Tx-Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Digit</source>
        <translation>Digital</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Offset freq (MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
</context>
<context>
    <name>cps::ChannelForm</name>
    <message>
        <location filename="../src/gui/channels/channel_form.h" line="+74"/>
        <source>Factroy</source>
        <translation>Werksdaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freq range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changing the band clears all 16 channels. Continue?</source>
        <translation>Ein Bandwechsel löscht alle 16 Kanäle. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_form.cpp" line="+24"/>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
</context>
<context>
    <name>cps::ChannelImportDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_import_dialog.cpp" line="+21"/>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Freq</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Tone</source>
        <translation>Rx-Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>Tx-Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel type</source>
        <translation>Kanaltyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes / Skipped</source>
        <translation>Änderungen / Übersprungen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not placed</source>
        <translation>Nicht zugeordnet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>By Location</source>
        <translation>Nach Location</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>First channel to fill:</source>
        <translation>Erster zu füllender Kanal:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Each checked row overwrites the whole channel it goes to; channels no row reaches keep what they hold. Names are not stored: the radio holds no channel names.</source>
        <translation>Jede angekreuzte Zeile überschreibt den ganzen Kanal, in den sie kommt; Kanäle, die keine Zeile erreicht, behalten ihren Inhalt. Namen werden nicht gespeichert: Das Funkgerät speichert keine Kanalnamen.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>not checked</source>
        <translation>nicht angekreuzt</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not placed: no channel left after 16</source>
        <translation>Nicht zugeordnet: nach Kanal 16 ist kein Kanal mehr frei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(receive only)</source>
        <translation>(nur Empfang)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>channels %1-%2</source>
        <translation>Kanäle %1-%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels from %2 to %3</source>
        <translation>%1 Kanäle von %2 bis %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 rows go into %3; %4 skipped, %5 not placed.</source>
        <extracomment>%3 is where the rows go: &quot;channel 5&quot;, &quot;channels 1-16&quot;, &quot;3 channels from 2 to 9&quot; or &quot;channels&quot;.</extracomment>
        <translation>%1 von %2 Zeilen kommen in %3; %4 übersprungen, %5 nicht zugeordnet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 value is stored otherwise (see Changes).</source>
        <translation>1 Wert wird anders gespeichert (siehe Änderungen).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 values are stored otherwise (see Changes).</source>
        <translation>%1 Werte werden anders gespeichert (siehe Änderungen).</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableActions</name>
    <message>
        <location filename="../src/gui/channels/channel_table_actions.cpp" line="+34"/>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bulk edit...</source>
        <translation>&amp;Mehrfach bearbeiten...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the clipboard and clear them</source>
        <translation>Die ausgewählten Zellen in die Zwischenablage kopieren und leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the clipboard</source>
        <translation>Die ausgewählten Zellen in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste channels or cells from the clipboard at the selected cell</source>
        <translation>Kanäle oder Zellen aus der Zwischenablage an der ausgewählten Zelle einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the selected cells; selected whole rows clear their channels</source>
        <translation>Die ausgewählten Zellen leeren; ganz ausgewählte Zeilen leeren ihre Kanäle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select every channel</source>
        <translation>Alle Kanäle auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit every setting of the current channel</source>
        <translation>Alle Einstellungen des aktuellen Kanals bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set some columns or channel settings to one value on every selected channel</source>
        <translation>Spalten oder Kanaleinstellungen bei allen ausgewählten Kanälen auf einen Wert setzen</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+8"/>
        <source>Bulk edit</source>
        <translation>Mehrfach bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 values were not set as given:</source>
        <translation>%1 Werte wurden nicht wie angegeben gesetzt:</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableItemModel</name>
    <message>
        <location filename="../src/gui/channels/channel_table_view.h" line="+60"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_table_view.cpp" line="+85"/>
        <source>%1 %2 %3</source>
        <extracomment>The step of a cell: row name (&quot;Channel&quot;), channel number, column title.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 %2</source>
        <extracomment>A row of the table: row name (&quot;Channel&quot;), channel number.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cleared; Undo (Ctrl+Z) brings it back</source>
        <extracomment>%1 is a row of the table (&quot;Channel 3&quot;).</extracomment>
        <translation>%1 geleert; Rückgängig (Ctrl+Z) stellt den Inhalt wieder her</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a Digit channel: digital channels do not use the %2</source>
        <extracomment>%1 is a row of the table (&quot;Channel 3&quot;), %2 a column title (&quot;Rx Tone&quot;).</extracomment>
        <translation>%1 ist ein Digital-Kanal: Digitale Kanäle verwenden %2 nicht</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableView</name>
    <message>
        <location filename="../src/gui/channels/channel_table_view.h" line="+56"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_table_clipboard.cpp" line="+98"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+18"/>
        <location line="+12"/>
        <location line="+14"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>%1 channels lie outside the band and were not pasted.</source>
        <translation>%1 Kanäle liegen außerhalb des Bandes und wurden nicht eingefügt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels were not pasted: no channel left after 16.</source>
        <translation>%1 Kanäle wurden nicht eingefügt: nach Kanal 16 ist kein Kanal mehr frei.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Not everything was pasted as it was given:</source>
        <translation>Nicht alles wurde wie angegeben eingefügt:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTemplateDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_template_dialog.cpp" line="+23"/>
        <source>New from template</source>
        <translation>Neu aus Vorlage</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the templates built into the program</source>
        <translation>die im Programm enthaltenen Vorlagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Templates were looked for in: %1</source>
        <extracomment>%1 lists the places: the built-in templates, then the folders.</extracomment>
        <translation>Vorlagen wurden gesucht in: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Freq</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Freq</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Tone</source>
        <translation>Rx-Ton</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Tone</source>
        <translation>Tx-Ton</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel type</source>
        <translation>Kanaltyp</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No templates were found.</source>
        <translation>Es wurden keine Vorlagen gefunden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Band: %1</source>
        <translation>Band: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The channels lie outside both bands.</source>
        <translation>Die Kanäle liegen außerhalb beider Bänder.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel table</source>
        <translation>Kanaltabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMR channels</source>
        <translation>PMR-Kanäle</translation>
    </message>
</context>
<context>
    <name>cps::CheckDialog</name>
    <message>
        <location filename="../src/gui/link/check_dialog.cpp" line="+21"/>
        <source>No findings.</source>
        <translation>Keine Befunde.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 error</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 warning</source>
        <translation>%1 Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <extracomment>%1 is the count of errors and warnings (&quot;2 errors, 1 warning&quot;).</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The radio does not take what an error names.</source>
        <translation>Was ein Fehler nennt, nimmt das Funkgerät nicht an.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check image</source>
        <translation>Abbild prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Double-click a finding to show its field</source>
        <translation>Befund doppelklicken, um sein Feld anzuzeigen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Write anyway</source>
        <translation>Trotzdem schreiben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write at once when the check finds nothing</source>
        <translation>Sofort schreiben, wenn die Prüfung nichts findet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>cps::CompareDialog</name>
    <message>
        <location filename="../src/gui/app/compare_dialog.cpp" line="+52"/>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Caption</source>
        <translation>Bezeichnung</translation>
    </message>
</context>
<context>
    <name>cps::EditableGrid</name>
    <message>
        <location filename="../src/gui/widgets/editable_grid.cpp" line="+266"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>cps::FactoryAdjustDialog</name>
    <message>
        <location filename="../src/gui/factory/factory_adjust_dialog.cpp" line="+22"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>可调节参数</source>
        <translation>Einstellbare Parameter</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The values in the program were not changed.</source>
        <translation>Die Werte im Programm wurden nicht geändert.</translation>
    </message>
</context>
<context>
    <name>cps::FleetDialog</name>
    <message>
        <location filename="../src/gui/link/fleet_dialog.cpp" line="+31"/>
        <source>Written, verified</source>
        <translation>Geschrieben, geprüft</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port not opened</source>
        <translation>Anschluss nicht geöffnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to several radios</source>
        <translation>In mehrere Funkgeräte schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ports, %1 baud</source>
        <translation>Anschlüsse, %1 baud</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>another device path, e.g. a dpmr-sim terminal</source>
        <translation>ein anderer Gerätepfad, z. B. ein dpmr-sim-Terminal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Give each radio its own radio id, starting at:</source>
        <translation>Jedem Funkgerät eine eigene Funkgeräte-ID geben, beginnend bei:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verify after write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio id</source>
        <translation>Funkgeräte-ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Choose at least one port.</source>
        <translation>Wählen Sie mindestens einen Anschluss.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written:
%1</source>
        <translation>Es wurde nichts geschrieben:
%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Writing</source>
        <translation>Wird geschrieben</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Verifying</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> (%1 s)</source>
        <extracomment>%1 is the time the write took, in seconds.</extracomment>
        <translation> (%1 s)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>stopped at %p%</source>
        <extracomment>%p% is the progress reached, in percent.</extracomment>
        <translation>angehalten bei %p%</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2.</source>
        <extracomment>%1 is a port, %2 what it holds (&quot;holds a partly written image: ...&quot;).</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of %2 radios written</source>
        <translation>%1 von %2 Funkgeräten geschrieben</translation>
    </message>
</context>
<context>
    <name>cps::NotesDialog</name>
    <message>
        <location filename="../src/gui/widgets/notes_dialog.cpp" line="+19"/>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+25"/>
        <source>Show details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Hide details</source>
        <translation>Details ausblenden</translation>
    </message>
</context>
<context>
    <name>cps::PmrChannelDialog</name>
    <message>
        <location filename="../src/gui/channels/pmr_channel_dialog.cpp" line="+21"/>
        <source>Pmr Channel</source>
        <translation>PMR-Kanal</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>PMR channel</source>
        <translation>PMR-Kanal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+41"/>
        <source>Factory</source>
        <translation>Werksdaten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
</context>
<context>
    <name>cps::PortSettingDialog</name>
    <message>
        <location filename="../src/gui/link/port_setting_dialog.cpp" line="+23"/>
        <source>Port setting</source>
        <translation>Anschlusseinstellung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No serial device found.</source>
        <translation>Keine serielle Schnittstelle gefunden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device path:</source>
        <translation>Gerätepfad:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>/dev/ttyUSB0 or a dpmr-sim terminal</source>
        <translation>/dev/ttyUSB0 oder ein dpmr-sim-Terminal</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Log serial traffic</source>
        <translation>Seriellen Datenverkehr protokollieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every read and write keeps a trace of the bytes on the line in %1</source>
        <translation>Jedes Lesen und Schreiben protokolliert die übertragenen Bytes in %1</translation>
    </message>
</context>
<context>
    <name>cps::TransferDialog</name>
    <message>
        <location filename="../src/gui/link/transfer_dialog.cpp" line="+18"/>
        <location line="+4"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Read data</source>
        <translation>Daten lesen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write data</source>
        <translation>Daten schreiben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Port %1, %2 baud</source>
        <translation>Anschluss %1, %2 baud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verify after write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after the write and compare every written block</source>
        <translation>Das Funkgerät nach dem Schreiben zurücklesen und jeden geschriebenen Block vergleichen</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Write data - verifying</source>
        <translation>Daten schreiben - Prüfung</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 %2.</source>
        <extracomment>%1 is a port, %2 what it holds (&quot;holds a partly written image: ...&quot;).</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The image in the program was not changed.</source>
        <translation>Das Abbild im Programm wurde nicht geändert.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Write verified: the radio holds every written block.</source>
        <translation>Schreiben geprüft: Das Funkgerät enthält jeden geschriebenen Block.</translation>
    </message>
</context>
<context>
    <name>cps::UndoHistory</name>
    <message>
        <location filename="../src/gui/app/undo_history.cpp" line="+22"/>
        <source>Undone: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
</context>
<context>
    <name>cps::UserGuideDialog</name>
    <message>
        <location filename="../src/gui/app/user_guide.cpp" line="+36"/>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
</TS>
