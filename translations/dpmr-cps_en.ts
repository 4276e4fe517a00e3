<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>None</translation>
    </message>
    <message>
        <location line="-109"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+69"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-14"/>
        <location line="+21"/>
        <source>Channel type</source>
        <translation>Channel type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx power</source>
        <translation>Tx power</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/channels/channel_table.cpp" line="-1"/>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signal type</source>
        <translation>Signal type</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+94"/>
        <source>Only rx</source>
        <translation>Rx only</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx tone</source>
        <translation>Rx tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx tone</source>
        <translation>Tx tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog call 1</source>
        <translation>Analog call 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog call 2</source>
        <translation>Analog call 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color code</source>
        <translation>Color code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt key</source>
        <translation>Encryption key</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx contact</source>
        <translation>Tx contact</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group rx list</source>
        <translation>Group rx list</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location filename="../src/core/dpmr/contacts.h" line="+24"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <location filename="../src/core/settings/dtmf_contact_page.cpp" line="+14"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-22"/>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Msg no.</source>
        <translation>Msg no.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx color code</source>
        <translation>Rx color code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx color code</source>
        <translation>Tx color code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data type</source>
        <translation>Data type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status info no</source>
        <translation>Status info no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset direction</source>
        <translation>Offset direction</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-2"/>
        <location line="+24"/>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="-1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-39"/>
        <location line="+33"/>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-19"/>
        <location line="+24"/>
        <source>Talk around</source>
        <translation>Talk around</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="+136"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-30"/>
        <location line="+28"/>
        <source>Auto contact</source>
        <translation>Auto contact</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="-4"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-27"/>
        <location line="+27"/>
        <source>Work alone</source>
        <translation>Work alone</translation>
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
        <translation>Low</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+1"/>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+3"/>
        <source>Wide</source>
        <translation>Wide</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+1"/>
        <source>Narrow</source>
        <translation>Narrow</translation>
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
        <translation>Off</translation>
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
        <translation>Carrier</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg</source>
        <translation>Msg</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data Type 1</source>
        <translation>Data Type 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Type 2</source>
        <translation>Data Type 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data Type 3</source>
        <translation>Data Type 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow user data</source>
        <translation>Slow user data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status message</source>
        <translation>Status message</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_editor.h" line="+60"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-25"/>
        <location line="+26"/>
        <source>Call 1</source>
        <translation>Call 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-25"/>
        <location line="+25"/>
        <source>Call 2</source>
        <translation>Call 2</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="-26"/>
        <source>Rx Freq</source>
        <translation>Rx Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>Tx Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Tone</source>
        <translation>Rx Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>Tx Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Power</translation>
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
        <translation>Mixed (Digital)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mixed(Analog)</source>
        <translation>Mixed (Analog)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.h" line="+148"/>
        <source>Not find factory.dat</source>
        <translation>Not find factory.dat</translation>
    </message>
    <message>
        <location filename="../src/core/dpmr/contacts.h" line="-6"/>
        <source>Single call</source>
        <translation>Single call</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-16"/>
        <location line="+19"/>
        <source>Group call</source>
        <translation>Group call</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <location filename="../src/core/dpmr/dpmr_basic_page.cpp" line="-55"/>
        <source>Saving the file or writing to the radio always stores AAAAAAA here, so it cannot be changed.</source>
        <translation>Saving the file or writing to the radio always stores AAAAAAA here, so it cannot be changed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saving the file or writing to the radio always stores 0 here, so it cannot be changed.</source>
        <translation>Saving the file or writing to the radio always stores 0 here, so it cannot be changed.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Radio name</source>
        <translation>Radio name</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ACK reply times</source>
        <translation>ACK reply count</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+0"/>
        <location filename="../src/core/settings/option_page.cpp" line="-9"/>
        <location filename="../src/core/settings/scan_page.cpp" line="-6"/>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radio id</source>
        <translation>Radio id</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All code</source>
        <translation>All code</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="-14"/>
        <source>Kill code</source>
        <translation>Kill code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Active code</source>
        <translation>Active code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Codec type</source>
        <translation>Codec type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kill/active decode</source>
        <translation>Kill/active decode</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+15"/>
        <source>Kill type</source>
        <translation>Kill type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx inhibit</source>
        <translation>Tx inhibit</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+1"/>
        <source>tx/rx inhibit</source>
        <translation>Tx/Rx inhibit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-15"/>
        <location line="+16"/>
        <source>Kill</source>
        <translation>Kill</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat mode</source>
        <translation>Repeat mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direct</source>
        <translation>Direct</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow all call</source>
        <translation>Allow all call</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tx pre-carrier time</source>
        <translation>Tx pre-carrier time</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group hold time</source>
        <translation>Group hold time</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Single call time</source>
        <translation>Single call time</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mixed mode reset</source>
        <translation>Mixed mode reset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wake frame</source>
        <translation>Wake frame</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ACK reply delay</source>
        <translation>ACK reply delay</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ACK reply wait</source>
        <translation>ACK reply wait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx delay time</source>
        <translation>Tx delay time</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dial access</source>
        <translation>Dial access</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voice store/replay</source>
        <translation>Voice store/replay</translation>
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
        <translation>Tx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT DC offset adjustment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ROUT直流偏置调节</source>
        <translation>ROUT DC offset adjustment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>两路调制信号增益调节</source>
        <translation>Dual modulation signal gain adjustment</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>左通道信号增益调节</source>
        <translation>Left channel signal gain adjustment</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+8"/>
        <source>右通道信号增益调节</source>
        <translation>Right channel signal gain adjustment</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+11"/>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC input gain adjustment (dB)</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+11"/>
        <source>左通道输出增益调节</source>
        <translation>Left channel output gain adjustment</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+13"/>
        <source>右通道输出增益调节</source>
        <translation>Right channel output gain adjustment</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>限幅前信号增益</source>
        <translation>Signal gain before limiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>限幅后信号增益</source>
        <translation>Signal gain after limiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS信号增益</source>
        <translation>CTCSS signal gain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DCS信号增益</source>
        <translation>DCS signal gain</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>接收输入增益调节 (db)</source>
        <translation>Rx input gain adjustment (dB)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>解码输入增益调节</source>
        <translation>Decoder input gain adjustment</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>接收话音输出增益调节</source>
        <translation>Rx voice output gain adjustment</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF encode amplitude adjustment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VCO输出增益调节 (db)</source>
        <translation>VCO output gain adjustment (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TCXO输出增益调节 (db)</source>
        <translation>TCXO output gain adjustment (dB)</translation>
    </message>
    <message>
        <location filename="../src/core/link/factory_exchange.cpp" line="+37"/>
        <location filename="../src/core/link/transfer.cpp" line="+100"/>
        <location line="+25"/>
        <source>Stopped by the user.</source>
        <translation>Stopped by the user.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Read successfully</source>
        <translation>Read successful</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write successfully</source>
        <translation>Write successful</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cound not open the port</source>
        <translation>Could not open the port</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <location filename="../src/core/link/transfer.cpp" line="-113"/>
        <source>Cound not open the port.</source>
        <translation>Could not open the port.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>通信出錯</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>holds a partly written image: write it again before use</source>
        <translation>holds a partly written image: write it again before use</translation>
    </message>
    <message>
        <location filename="../src/core/settings/alarm_page.cpp" line="-78"/>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit delay (s)</source>
        <translation>Exit delay (s)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Tx interval (s)</source>
        <translation>Tx interval (s)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Digit alarm id code</source>
        <translation>Digital alarm ID code</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+7"/>
        <source>prohibit</source>
        <translation>prohibit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+0"/>
        <source>allow</source>
        <translation>allow</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog alarm id code</source>
        <translation>Analog alarm id code</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alarm type</source>
        <translation>Alarm type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only whistle</source>
        <translation>Whistle only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send alarm id</source>
        <translation>Send alarm id</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID type</source>
        <translation>ID type</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm time (s)</source>
        <translation>Alarm time (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx time (s)</source>
        <translation>Tx time (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx time (s)</source>
        <translation>Rx time (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work alone time (min)</source>
        <translation>Work alone time (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work alone pre-remind (s)</source>
        <translation>Work alone pre-alert (s)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Query interval (min)</source>
        <translation>Query interval (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upside</source>
        <translation>Upside</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entry delay time (s)</source>
        <translation>Entry delay time (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upside pre-prompt  (s)</source>
        <translation>Upside pre-alert (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="-64"/>
        <source>Group call code</source>
        <translation>Group call code</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Decode response</source>
        <translation>Decode response</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remind</source>
        <translation>Remind</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply</source>
        <translation>Reply</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remind and Reply</source>
        <translation>Remind and Reply</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kill Active</source>
        <translation>Kill Active</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tx inhibit</source>
        <translation>Tx inhibit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Person ID</source>
        <translation>Person ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto reset time (s)</source>
        <translation>Auto reset time (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Decode display</source>
        <translation>Decode display</translation>
    </message>
    <message>
        <location filename="../src/core/settings/dtmf_encode_page.cpp" line="+17"/>
        <source>Speed (digit/s)</source>
        <translation>Speed (digit/s)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Inhibit</source>
        <translation>Inhibit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow</source>
        <translation>Allow</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First digit delay (ms)</source>
        <translation>First digit delay (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First digit (ms)</source>
        <translation>First digit (ms)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*和# tone (ms)</source>
        <translation>* and # tone (ms)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short beep</source>
        <translation>Short beep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side tone</source>
        <translation>Side tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTTID type</source>
        <translation>PTTID type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On line</source>
        <translation>On line</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off line</source>
        <translation>Off line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Both</source>
        <translation>Both</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On-line code</source>
        <translation>On-line code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off-line  code</source>
        <translation>Off-line code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hold time (s)</source>
        <translation>Hold time (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response wait</source>
        <translation>Response wait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response wait time (s)</source>
        <translation>Response wait time (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/option_page.cpp" line="+3"/>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SQL</source>
        <translation>SQL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving mode</source>
        <translation>Power saving mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving delay time (s)</source>
        <translation>Power saving delay (s)</translation>
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
        <translation>Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wired copy</source>
        <translation>Wired copy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wireless copy</source>
        <translation>Wireless copy</translation>
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
        <translation>TOT pre-alert (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TOT re-key time (s)</source>
        <translation>TOT re-key time (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TOT reset time (s)</source>
        <translation>TOT reset time (s)</translation>
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
        <translation>VOX sensitivity</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX delay (s)</source>
        <translation>VOX delay (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/scan_page.cpp" line="+3"/>
        <source>Scan Info</source>
        <translation>Scan Info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan mode</source>
        <translation>Scan mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone scan mode</source>
        <translation>Tone scan mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not detect</source>
        <translation>Do not detect</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Non pri ch</source>
        <translation>Non pri ch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Priority ch</source>
        <translation>Priority ch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>all ch</source>
        <translation>all ch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority channel</source>
        <translation>Priority channel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk back</source>
        <translation>Talk back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan begin beep</source>
        <translation>Scan begin beep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan end beep</source>
        <translation>Scan end beep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop time (s)</source>
        <translation>Stop time (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Scan tx/rx resume delay time (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scan tx channel</source>
        <translation>Scan tx channel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry ch before scan</source>
        <translation>entry ch before scan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last active ch</source>
        <translation>last active ch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Specified ch</source>
        <translation>Specified ch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Specified channel</source>
        <translation>Specified channel</translation>
    </message>
    <message>
        <location filename="../src/core/settings/side_key_page.cpp" line="-37"/>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel display</source>
        <translation>Channel display</translation>
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
        <translation>Temporarily remove noisy channel</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+31"/>
        <source>Hihg/Low power</source>
        <translation>High/Low power</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+31"/>
        <source>Power detect</source>
        <translation>Power detect</translation>
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
        <translation>EMI close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Backlight</source>
        <translation>Backlight</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+25"/>
        <source>Encrypt</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Key lock</source>
        <translation>Key lock</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <source>1750 signal</source>
        <translation>1750 signal</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>Pri ch scan</source>
        <translation>Pri ch scan</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Noise suppression switch</source>
        <translation>Noise suppression switch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flashlight</source>
        <translation>Flashlight</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wake</source>
        <translation>Wake</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Long key (s)</source>
        <translation>Long press time (s)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Short press</source>
        <translation>Short press</translation>
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
        <translation>Long press</translation>
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
        <translation>Tone and Light</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power-on tone</source>
        <translation>Power-on tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown tone</source>
        <translation>Shutdown tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown pre-aleat tone</source>
        <translation>Shutdown pre-alert tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call out tone</source>
        <translation>Call out tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low voltage</source>
        <translation>Low voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single call tone</source>
        <translation>Single call tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group call tone</source>
        <translation>Group call tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx exit tone</source>
        <translation>Rx exit tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call link reset tone</source>
        <translation>Call link reset tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power-on light</source>
        <translation>Power-on light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx light</source>
        <translation>Tx light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx light</source>
        <translation>Rx light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan state light</source>
        <translation>Scan state light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low voltage light</source>
        <translation>Low voltage light</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice broadcast</source>
        <translation>Voice prompt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tone</source>
        <translation>Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>Light</translation>
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
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Built-in texts</source>
        <translation>Built-in texts</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>%1 (system language)</source>
        <translation>%1 (system language)</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/app/main.cpp" line="+75"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language takes effect when dpmr-cps is started again.</source>
        <translation>The language takes effect when dpmr-cps is started again.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main.cpp" line="+1"/>
        <source>The window shows its built-in texts.</source>
        <translation>The window shows its built-in texts.</translation>
    </message>
</context>
<context>
    <name>StepRunner</name>
    <message>
        <location filename="../src/gui/widgets/step_runner.h" line="+24"/>
        <source>Read from radio</source>
        <translation>Read from radio</translation>
    </message>
</context>
<context>
    <name>cps::BackupsDialog</name>
    <message>
        <location filename="../src/gui/link/backups_dialog.cpp" line="+20"/>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No backups yet in %1</source>
        <translation>No backups yet in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every read from a radio is kept in %1</source>
        <translation>Every read from a radio is kept in %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio name</source>
        <translation>Radio name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio id</source>
        <translation>Radio id</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(cannot be read)</source>
        <translation>(cannot be read)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>* kept beside the program: move it to %1</source>
        <translation>* kept beside the program: move it to %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to radio...</source>
        <translation>Write to radio...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put this backup back into the radio exactly as it was kept</source>
        <translation>Put this backup back into the radio exactly as it was kept</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>* %1 of these lie in %2, beside the program, which is no portable install (it has no Program.ini): move them to %3 before that folder is deleted.</source>
        <translation>* %1 of these are in %2, beside the program, which is not a portable install (it has no Program.ini): move them to %3 before that folder is deleted.</translation>
    </message>
</context>
<context>
    <name>cps::BulkEditDialog</name>
    <message>
        <location filename="../src/gui/channels/bulk_edit_dialog.cpp" line="+47"/>
        <source>Bulk edit</source>
        <translation>Bulk edit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tick the values to set on %1 %2:</source>
        <extracomment>%1 is the row name (&quot;Channel&quot;, &quot;PMR channel&quot;), %2 the row numbers.</extracomment>
        <translation>Tick the values to set on %1 %2:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tick the values to set on %1s %2:</source>
        <translation>Tick the values to set on %1s %2:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Channel table</source>
        <translation>Channel table</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Channel Edit</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On</source>
        <translation>On</translation>
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
        <translation>Basic setting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone and Light</source>
        <translation>Tone and Light</translation>
    </message>
</context>
<context>
    <name>cps::CContactPage</name>
    <message>
        <location filename="../src/gui/dpmr/contact_page.cpp" line="+21"/>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>cps::CDpmrParamDlg</name>
    <message>
        <location filename="../src/gui/dpmr/dpmr_param_dialog.cpp" line="+17"/>
        <source>dPMR param</source>
        <translation>dPMR parameters</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg outbox</source>
        <translation>Msg outbox</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg inbox</source>
        <translation>Msg inbox</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group rx list</source>
        <translation>Group rx list</translation>
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
        <translation>No.</translation>
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
        <translation>Encode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
</context>
<context>
    <name>cps::CEncryptPage</name>
    <message>
        <location filename="../src/gui/dpmr/encrypt_page.cpp" line="+20"/>
        <location line="+5"/>
        <source>Encrypt</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>cps::CGroupRxListPage</name>
    <message>
        <location filename="../src/gui/dpmr/group_rx_list_page.cpp" line="+40"/>
        <source>Add &gt;&gt;</source>
        <translation>Add &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Del &lt;&lt;</source>
        <translation>Del &lt;&lt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unallocated:</source>
        <translation>Unallocated:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allocated:</source>
        <translation>Allocated:</translation>
    </message>
</context>
<context>
    <name>cps::CMainFrame</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+35"/>
        <source>*.dat (*.dat);;All files (*)</source>
        <translation>*.dat (*.dat);;All files (*)</translation>
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
        <translation>Channel</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Info</source>
        <translation>Scan Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic setting</source>
        <translation>Basic setting</translation>
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
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read Data From Radio</source>
        <translation>Read Data From Radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write Data to Radio </source>
        <translation>Write Data to Radio </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_link.cpp" line="+135"/>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Setting</source>
        <translation>&amp;Setting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User guide</source>
        <translation>&amp;User guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Create a new document</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name</source>
        <translation>Save the active document with a new name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document</source>
        <translation>Print the active document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages</source>
        <translation>Display full pages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options</source>
        <translation>Change the printer and printing options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quit the application; prompts to save documents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright</source>
        <translation>Display program information, version number and copyright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the user guide</source>
        <translation>Open the user guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <location line="+52"/>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_help.cpp" line="+29"/>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+52"/>
        <location filename="../src/gui/app/main_window_desk.cpp" line="+159"/>
        <location filename="../src/gui/app/main_window_interop.cpp" line="+141"/>
        <location line="+7"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Failed to open document.
%1</source>
        <translation>Failed to open document.
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file was opened as a new document; Save asks for a name.</source>
        <translation>The file was opened as a new document; Save asks for a name.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opened %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Failed to save document %1.
%2</source>
        <translation>Failed to save document %1.
%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+45"/>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>PMR Channel</source>
        <translation>PMR Channel</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.h" line="+227"/>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_interop.cpp" line="-121"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import c&amp;hannels…</source>
        <translation>Import c&amp;hannels…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Put the channels of a CHIRP CSV file into the channel table</source>
        <translation>Put the channels of a CHIRP CSV file into the channel table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export channe&amp;ls…</source>
        <translation>Export channe&amp;ls…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write the channels to a CHIRP CSV file</source>
        <translation>Write the channels to a CHIRP CSV file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New from te&amp;mplate…</source>
        <translation>New from te&amp;mplate…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create a new document from a channel plan</source>
        <translation>Create a new document from a channel plan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save channels as templat&amp;e…</source>
        <translation>Save channels as templat&amp;e…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep the channels as a template of your own</source>
        <translation>Keep the channels as a template of your own</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot import channels from %1.
%2</source>
        <translation>Cannot import channels from %1.
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Export channels</source>
        <translation>Export channels</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot export the channels to %1.
%2</source>
        <translation>Cannot export the channels to %1.
%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The channels of template &apos;%1&apos; lie in no band of this radio.</source>
        <translation>The channels of template &apos;%1&apos; lie in no band of this radio.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New from template</source>
        <translation>New from template</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save channels as template</source>
        <translation>Save channels as template</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Template name:</source>
        <translation>Template name:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is a template that comes with the program. Save your channels under this name? Your template then takes its place in the list.</source>
        <translation>%1 is a template that comes with the program. Save your channels under this name? Your template then takes its place in the list.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace the template %1?</source>
        <translation>Replace the template %1?</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot save the template %1.
%2</source>
        <translation>Cannot save the template %1.
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Template %1 saved in %2</source>
        <translation>Template %1 saved in %2</translation>
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
        <translation>Export as &amp;text...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import from text...</source>
        <translation>&amp;Import from text...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Compare with file...</source>
        <translation>&amp;Compare with file...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Failed to export %1.
%2</source>
        <translation>Failed to export %1.
%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to import %1.
%2</source>
        <translation>Failed to import %1.
%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+4"/>
        <location line="+33"/>
        <source>Import from text</source>
        <translation>Import from text</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Some values of %1 were stored otherwise or not applied:</source>
        <translation>Some values of %1 were stored otherwise or not applied:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to compare with %1.
%2</source>
        <translation>Failed to compare with %1.
%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Export as text</source>
        <translation>Export as text</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Compare with file</source>
        <translation>Compare with file</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_desk.cpp" line="-107"/>
        <source>%1 files were dropped. Drop one image file (.dat) at a time.</source>
        <translation>%1 files were dropped. Drop one image file (.dat) at a time.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a file on this computer and was not opened.</source>
        <translation>%1 is not a file on this computer and was not opened.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a channel list, not an image file (.dat).
Import its channels into the channel table?</source>
        <translation>%1 is a channel list, not an image file (.dat).
Import its channels into the channel table?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not an image file (.dat) and was not opened.</source>
        <translation>%1 is not an image file (.dat) and was not opened.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recent &amp;files</source>
        <translation>Recent &amp;files</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 no longer exists.
It has been removed from the recent files.</source>
        <translation>%1 no longer exists.
It has been removed from the recent files.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/gui/app/main_window_interop.cpp" line="-120"/>
        <location line="+22"/>
        <source>Import channels</source>
        <translation>Import channels</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_help.cpp" line="-9"/>
        <source>The user guide is not installed.
It is docs/user-guide.md in the program&apos;s source, or user-guide.md in its documentation folder.</source>
        <translation>The user guide is not installed.
It is docs/user-guide.md in the program&apos;s source, or user-guide.md in its documentation folder.</translation>
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
        <translation>Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;a href=&quot;guide&quot;&gt;User guide&lt;/a&gt; (F1)</source>
        <translation>&lt;a href=&quot;guide&quot;&gt;User guide&lt;/a&gt; (F1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_history.cpp" line="+55"/>
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo the change undone last</source>
        <translation>Redo the change undone last</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Undo</source>
        <extracomment>%1 is the name of the step Undo takes back.</extracomment>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <extracomment>%1 is the name of the step Redo makes again.</extracomment>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_link.cpp" line="-95"/>
        <source>&amp;Backups...</source>
        <translation>&amp;Backups...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open an image kept from an earlier read</source>
        <translation>Open an image kept from an earlier read</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to &amp;several radios...</source>
        <translation>Write to &amp;several radios...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write the image into several radios at once</source>
        <translation>Write the image into several radios at once</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chec&amp;k image...</source>
        <translation>Chec&amp;k image...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Look the image over for what the radio would refuse and likely mistakes</source>
        <translation>Look the image over for what the radio would refuse and likely mistakes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with ra&amp;dio...</source>
        <translation>Compare with ra&amp;dio...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read the radio and show what a write would change in it</source>
        <translation>Read the radio and show what a write would change in it</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: double-click the channel to edit this field</source>
        <translation>%1: double-click the channel to edit this field</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit, PMR Channel</source>
        <translation>Edit, PMR Channel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit, dPMR</source>
        <translation>Edit, dPMR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the band selector above the channel table</source>
        <translation>the band selector above the channel table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the channel table</source>
        <translation>the channel table</translation>
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
        <translation>Compare with radio - read</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compare with radio</source>
        <translation>Compare with radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_text.cpp" line="-17"/>
        <source>This image</source>
        <translation>This image</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the radio</source>
        <translation>the radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A write puts this image&apos;s values into the radio.</source>
        <translation>A write puts this image&apos;s values into the radio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No serial trace: %1</source>
        <translation>No serial trace: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The read is complete, but no backup of it could be kept.

%1</source>
        <translation>The read is complete, but no backup of it could be kept.

%1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Read from the radio on %1</source>
        <translation>Read from the radio on %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Written to the radio on %1</source>
        <translation>Written to the radio on %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The backup cannot be read.
%1</source>
        <translation>The backup cannot be read.
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write to radio</source>
        <translation>Write to radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this backup into the radio on %1, byte for byte as it was kept?

Radio name: %2
Radio id: %3
File: %4

The radio then holds this image; the document in the program does not change.</source>
        <translation>Write this backup into the radio on %1, byte for byte as it was kept?

Radio name: %2
Radio id: %3
File: %4

The radio then holds this image; the document in the program does not change.</translation>
    </message>
</context>
<context>
    <name>cps::CMsgInboxPage</name>
    <message>
        <location filename="../src/gui/dpmr/msg_pages.cpp" line="+59"/>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear current</source>
        <translation>Clear current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unread</source>
        <translation>Unread</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read</source>
        <translation>Read</translation>
    </message>
</context>
<context>
    <name>cps::CMsgOutboxPage</name>
    <message>
        <location line="-68"/>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>增加</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>cps::CPasswordDlg</name>
    <message>
        <location filename="../src/gui/app/password_dialog.cpp" line="+18"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pwd</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>cps::CScanInfoDlg</name>
    <message>
        <location filename="../src/gui/settings/settings_dialogs.cpp" line="-10"/>
        <source>Scan Info</source>
        <translation>Scan Info</translation>
    </message>
</context>
<context>
    <name>cps::ChannelEditDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_edit_dialog.h" line="+72"/>
        <source>Channel Edit: values stored as shown</source>
        <translation>Channel Edit: values stored as shown</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PMR Channel Edit: values stored as shown</source>
        <translation>PMR Channel Edit: values stored as shown</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_edit_dialog.cpp" line="+90"/>
        <source>PMR Channel Edit</source>
        <translation>PMR Channel Edit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel Edit</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Channel no.</source>
        <translation>Channel no.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rx freq (MHz)</source>
        <translation>Rx freq (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx freq (MHz)</source>
        <translation>Tx freq (MHz)</translation>
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
        <translation>Offset freq (MHz)</translation>
    </message>
</context>
<context>
    <name>cps::ChannelForm</name>
    <message>
        <location filename="../src/gui/channels/channel_form.h" line="+74"/>
        <source>Factroy</source>
        <translation>Factory</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freq range</source>
        <translation>Freq range</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changing the band clears all 16 channels. Continue?</source>
        <translation>Changing the band clears all 16 channels. Continue?</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_form.cpp" line="+24"/>
        <source>Channel edit</source>
        <translation>Channel edit</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
</context>
<context>
    <name>cps::ChannelImportDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_import_dialog.cpp" line="+21"/>
        <source>Row</source>
        <translation>Row</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Freq</source>
        <translation>Rx Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>Tx Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Tone</source>
        <translation>Rx Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>Tx Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel type</source>
        <translation>Channel type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes / Skipped</source>
        <translation>Changes / Skipped</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Channel %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not placed</source>
        <translation>Not placed</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import channels</source>
        <translation>Import channels</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>By Location</source>
        <translation>By Location</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>First channel to fill:</source>
        <translation>First channel to fill:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Each checked row overwrites the whole channel it goes to; channels no row reaches keep what they hold. Names are not stored: the radio holds no channel names.</source>
        <translation>Each checked row overwrites the whole channel it goes to; channels no row reaches keep what they hold. Names are not stored: the radio holds no channel names.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>not checked</source>
        <translation>not checked</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skipped: %1</source>
        <translation>Skipped: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not placed: no channel left after 16</source>
        <translation>Not placed: no channel left after 16</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(receive only)</source>
        <translation>(receive only)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>channel %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>channels %1-%2</source>
        <translation>channels %1-%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels from %2 to %3</source>
        <translation>%1 channels from %2 to %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>channels</source>
        <translation>channels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 rows go into %3; %4 skipped, %5 not placed.</source>
        <extracomment>%3 is where the rows go: &quot;channel 5&quot;, &quot;channels 1-16&quot;, &quot;3 channels from 2 to 9&quot; or &quot;channels&quot;.</extracomment>
        <translation>%1 of %2 rows go into %3; %4 skipped, %5 not placed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 value is stored otherwise (see Changes).</source>
        <translation>1 value is stored otherwise (see Changes).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 values are stored otherwise (see Changes).</source>
        <translation>%1 values are stored otherwise (see Changes).</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableActions</name>
    <message>
        <location filename="../src/gui/channels/channel_table_actions.cpp" line="+34"/>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bulk edit...</source>
        <translation>&amp;Bulk edit...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the clipboard and clear them</source>
        <translation>Copy the selected cells to the clipboard and clear them</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the clipboard</source>
        <translation>Copy the selected cells to the clipboard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste channels or cells from the clipboard at the selected cell</source>
        <translation>Paste channels or cells from the clipboard at the selected cell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the selected cells; selected whole rows clear their channels</source>
        <translation>Clear the selected cells; selected whole rows clear their channels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select every channel</source>
        <translation>Select every channel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit every setting of the current channel</source>
        <translation>Edit every setting of the current channel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set some columns or channel settings to one value on every selected channel</source>
        <translation>Set some columns or channel settings to one value on every selected channel</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+8"/>
        <source>Bulk edit</source>
        <translation>Bulk edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 values were not set as given:</source>
        <translation>%1 values were not set as given:</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableItemModel</name>
    <message>
        <location filename="../src/gui/channels/channel_table_view.h" line="+60"/>
        <source>Channel</source>
        <translation>Channel</translation>
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
        <translation>%1 cleared; Undo (Ctrl+Z) brings it back</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a Digit channel: digital channels do not use the %2</source>
        <extracomment>%1 is a row of the table (&quot;Channel 3&quot;), %2 a column title (&quot;Rx Tone&quot;).</extracomment>
        <translation>%1 is a Digital channel: digital channels do not use the %2</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableView</name>
    <message>
        <location filename="../src/gui/channels/channel_table_view.h" line="+56"/>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_table_clipboard.cpp" line="+98"/>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+18"/>
        <location line="+12"/>
        <location line="+14"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>%1 channels lie outside the band and were not pasted.</source>
        <translation>%1 channels lie outside the band and were not pasted.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels were not pasted: no channel left after 16.</source>
        <translation>%1 channels were not pasted: no channel left after 16.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Not everything was pasted as it was given:</source>
        <translation>Not everything was pasted as it was given:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTemplateDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_template_dialog.cpp" line="+23"/>
        <source>New from template</source>
        <translation>New from template</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the templates built into the program</source>
        <translation>the templates built into the program</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Templates were looked for in: %1</source>
        <extracomment>%1 lists the places: the built-in templates, then the folders.</extracomment>
        <translation>Templates were looked for in: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Freq</source>
        <translation>Rx Freq</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Freq</source>
        <translation>Tx Freq</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Tone</source>
        <translation>Rx Tone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Tone</source>
        <translation>Tx Tone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel type</source>
        <translation>Channel type</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No templates were found.</source>
        <translation>No templates were found.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Band: %1</source>
        <translation>Band: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The channels lie outside both bands.</source>
        <translation>The channels lie outside both bands.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel table</source>
        <translation>Channel table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMR channels</source>
        <translation>PMR channels</translation>
    </message>
</context>
<context>
    <name>cps::CheckDialog</name>
    <message>
        <location filename="../src/gui/link/check_dialog.cpp" line="+21"/>
        <source>No findings.</source>
        <translation>No findings.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 error</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 errors</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 warning</source>
        <translation>%1 warning</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 warnings</source>
        <translation>%1 warnings</translation>
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
        <translation>The radio does not take what an error names.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check image</source>
        <translation>Check image</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finding</source>
        <translation>Finding</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Double-click a finding to show its field</source>
        <translation>Double-click a finding to show its field</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Write anyway</source>
        <translation>Write anyway</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write at once when the check finds nothing</source>
        <translation>Write at once when the check finds nothing</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>cps::CompareDialog</name>
    <message>
        <location filename="../src/gui/app/compare_dialog.cpp" line="+52"/>
        <source>Compare with %1</source>
        <translation>Compare with %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
</context>
<context>
    <name>cps::EditableGrid</name>
    <message>
        <location filename="../src/gui/widgets/editable_grid.cpp" line="+266"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
</context>
<context>
    <name>cps::FactoryAdjustDialog</name>
    <message>
        <location filename="../src/gui/factory/factory_adjust_dialog.cpp" line="+22"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>可调节参数</source>
        <translation>Adjustable parameters</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The values in the program were not changed.</source>
        <translation>The values in the program were not changed.</translation>
    </message>
</context>
<context>
    <name>cps::FleetDialog</name>
    <message>
        <location filename="../src/gui/link/fleet_dialog.cpp" line="+31"/>
        <source>Written, verified</source>
        <translation>Written, verified</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Written</source>
        <translation>Written</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port not opened</source>
        <translation>Port not opened</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify failed</source>
        <translation>Verify failed</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to several radios</source>
        <translation>Write to several radios</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ports, %1 baud</source>
        <translation>Ports, %1 baud</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>another device path, e.g. a dpmr-sim terminal</source>
        <translation>another device path, e.g. a dpmr-sim terminal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Give each radio its own radio id, starting at:</source>
        <translation>Give each radio its own radio id, starting at:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verify after write</source>
        <translation>Verify after write</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio id</source>
        <translation>Radio id</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Choose at least one port.</source>
        <translation>Choose at least one port.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written:
%1</source>
        <translation>Nothing was written:
%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Writing</source>
        <translation>Writing</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Verifying</source>
        <translation>Verifying</translation>
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
        <translation>stopped at %p%</translation>
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
        <translation>%1 of %2 radios written</translation>
    </message>
</context>
<context>
    <name>cps::NotesDialog</name>
    <message>
        <location filename="../src/gui/widgets/notes_dialog.cpp" line="+19"/>
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+25"/>
        <source>Show details</source>
        <translation>Show details</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Hide details</source>
        <translation>Hide details</translation>
    </message>
</context>
<context>
    <name>cps::PmrChannelDialog</name>
    <message>
        <location filename="../src/gui/channels/pmr_channel_dialog.cpp" line="+21"/>
        <source>Pmr Channel</source>
        <translation>PMR Channel</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>PMR channel</source>
        <translation>PMR channel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel edit</source>
        <translation>Channel edit</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+41"/>
        <source>Factory</source>
        <translation>Factory</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
</context>
<context>
    <name>cps::PortSettingDialog</name>
    <message>
        <location filename="../src/gui/link/port_setting_dialog.cpp" line="+23"/>
        <source>Port setting</source>
        <translation>Port setting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No serial device found.</source>
        <translation>No serial device found.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device path:</source>
        <translation>Device path:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>/dev/ttyUSB0 or a dpmr-sim terminal</source>
        <translation>/dev/ttyUSB0 or a dpmr-sim terminal</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Log serial traffic</source>
        <translation>Log serial traffic</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every read and write keeps a trace of the bytes on the line in %1</source>
        <translation>Every read and write keeps a trace of the bytes on the line in %1</translation>
    </message>
</context>
<context>
    <name>cps::TransferDialog</name>
    <message>
        <location filename="../src/gui/link/transfer_dialog.cpp" line="+18"/>
        <location line="+4"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Read data</source>
        <translation>Read data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write data</source>
        <translation>Write data</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Port %1, %2 baud</source>
        <translation>Port %1, %2 baud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verify after write</source>
        <translation>Verify after write</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after the write and compare every written block</source>
        <translation>Read the radio back after the write and compare every written block</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Write data - verifying</source>
        <translation>Write data - verifying</translation>
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
        <translation>The image in the program was not changed.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Write verified: the radio holds every written block.</source>
        <translation>Write verified: the radio holds every written block.</translation>
    </message>
</context>
<context>
    <name>cps::UndoHistory</name>
    <message>
        <location filename="../src/gui/app/undo_history.cpp" line="+22"/>
        <source>Undone: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redone: %1</source>
        <translation>Redone: %1</translation>
    </message>
</context>
<context>
    <name>cps::UserGuideDialog</name>
    <message>
        <location filename="../src/gui/app/user_guide.cpp" line="+36"/>
        <source>User guide</source>
        <translation>User guide</translation>
    </message>
</context>
</TS>
