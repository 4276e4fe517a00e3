<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>无</translation>
    </message>
    <message>
        <location line="-109"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+69"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-14"/>
        <location line="+21"/>
        <source>Channel type</source>
        <translation>信道类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/channels/channel_table.cpp" line="-1"/>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signal type</source>
        <translation>信令类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+94"/>
        <source>Only rx</source>
        <translation>仅接收</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Busy</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog call 1</source>
        <translation>模拟呼叫 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog call 2</source>
        <translation>模拟呼叫 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color code</source>
        <translation>色码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt key</source>
        <translation>加密密钥</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx contact</source>
        <translation>发射联系人</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group rx list</source>
        <translation>接收组列表</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location filename="../src/core/dpmr/contacts.h" line="+24"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <location filename="../src/core/settings/dtmf_contact_page.cpp" line="+14"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-22"/>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Msg no.</source>
        <translation>短信编号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx color code</source>
        <translation>接收色码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx color code</source>
        <translation>发射色码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data type</source>
        <translation>数据类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status info no</source>
        <translation>状态信息编号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset direction</source>
        <translation>频差方向</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-2"/>
        <location line="+24"/>
        <source>Reverse</source>
        <translation>反频</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="-1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-39"/>
        <location line="+33"/>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-19"/>
        <location line="+24"/>
        <source>Talk around</source>
        <translation>脱网</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="+136"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-30"/>
        <location line="+28"/>
        <source>Auto contact</source>
        <translation>自动联络</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/alarm_page.cpp" line="-4"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-27"/>
        <location line="+27"/>
        <source>Work alone</source>
        <translation>单独工作</translation>
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
        <translation>低</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+1"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+3"/>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/channels/channel_table.cpp" line="+1"/>
        <source>Narrow</source>
        <translation>窄带</translation>
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
        <translation>关</translation>
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
        <translation>载波</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Call</source>
        <translation>呼叫</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg</source>
        <translation>短信</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data Type 1</source>
        <translation>数据类型 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Type 2</source>
        <translation>数据类型 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data Type 3</source>
        <translation>数据类型 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow user data</source>
        <translation>慢速用户数据</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status message</source>
        <translation>状态消息</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_editor.h" line="+60"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-25"/>
        <location line="+26"/>
        <source>Call 1</source>
        <translation>呼叫 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-25"/>
        <location line="+25"/>
        <source>Call 2</source>
        <translation>呼叫 2</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="-26"/>
        <source>Rx Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Analog</source>
        <translation>模拟</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Digit</source>
        <translation>数字</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mixed(Digit)</source>
        <translation>混合(数字)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mixed(Analog)</source>
        <translation>混合(模拟)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Del</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.h" line="+148"/>
        <source>Not find factory.dat</source>
        <translation>未找到 factory.dat</translation>
    </message>
    <message>
        <location filename="../src/core/dpmr/contacts.h" line="-6"/>
        <source>Single call</source>
        <translation>单呼</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-16"/>
        <location line="+19"/>
        <source>Group call</source>
        <translation>组呼</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number</source>
        <translation>号码</translation>
    </message>
    <message>
        <location filename="../src/core/dpmr/dpmr_basic_page.cpp" line="-55"/>
        <source>Saving the file or writing to the radio always stores AAAAAAA here, so it cannot be changed.</source>
        <translation>保存文件或写入对讲机时此处总是存为 AAAAAAA，因此不能修改。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saving the file or writing to the radio always stores 0 here, so it cannot be changed.</source>
        <translation>保存文件或写入对讲机时此处总是存为 0，因此不能修改。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Radio name</source>
        <translation>对讲机名称</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ACK reply times</source>
        <translation>ACK 应答次数</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+0"/>
        <location filename="../src/core/settings/option_page.cpp" line="-9"/>
        <location filename="../src/core/settings/scan_page.cpp" line="-6"/>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radio id</source>
        <translation>对讲机 ID</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All code</source>
        <translation>全呼码</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="-14"/>
        <source>Kill code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Active code</source>
        <translation>激活码</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Codec type</source>
        <translation>声码器类型</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kill/active decode</source>
        <translation>遥毙/激活解码</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+15"/>
        <source>Kill type</source>
        <translation>遥毙类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx inhibit</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+1"/>
        <source>tx/rx inhibit</source>
        <translation>禁止收发</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+1"/>
        <location filename="../src/core/settings/side_key_page.cpp" line="-15"/>
        <location line="+16"/>
        <source>Kill</source>
        <translation>遥毙</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat mode</source>
        <translation>中继模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direct</source>
        <translation>直通</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Repeat</source>
        <translation>中继</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow all call</source>
        <translation>允许全呼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tx pre-carrier time</source>
        <translation>发射前载波时间</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group hold time</source>
        <translation>组呼保持时间</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Single call time</source>
        <translation>单呼时间</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mixed mode reset</source>
        <translation>混合模式复位</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wake frame</source>
        <translation>唤醒帧</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ACK reply delay</source>
        <translation>ACK 应答延时</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ACK reply wait</source>
        <translation>ACK 应答等待</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx delay time</source>
        <translation>发射延时</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dial access</source>
        <translation>拨号接入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voice store/replay</source>
        <translation>语音存储/回放</translation>
    </message>
    <message>
        <location filename="../src/core/factory/factory_pages.cpp" line="-70"/>
        <source>数字</source>
        <translation>数字</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>模拟</source>
        <translation>模拟</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Tx</source>
        <translation>发射</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT直流偏置调节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ROUT直流偏置调节</source>
        <translation>ROUT直流偏置调节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>两路调制信号增益调节</source>
        <translation>两路调制信号增益调节</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>左通道信号增益调节</source>
        <translation>左通道信号增益调节</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+8"/>
        <source>右通道信号增益调节</source>
        <translation>右通道信号增益调节</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+11"/>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC输入增益调节 (db)</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+11"/>
        <source>左通道输出增益调节</source>
        <translation>左通道输出增益调节</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+13"/>
        <source>右通道输出增益调节</source>
        <translation>右通道输出增益调节</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>限幅前信号增益</source>
        <translation>限幅前信号增益</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>限幅后信号增益</source>
        <translation>限幅后信号增益</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS信号增益</source>
        <translation>CTCSS信号增益</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DCS信号增益</source>
        <translation>DCS信号增益</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rx</source>
        <translation>接收</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>接收输入增益调节 (db)</source>
        <translation>接收输入增益调节 (db)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>解码输入增益调节</source>
        <translation>解码输入增益调节</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>接收话音输出增益调节</source>
        <translation>接收话音输出增益调节</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF编码幅度调节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VCO输出增益调节 (db)</source>
        <translation>VCO输出增益调节 (db)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TCXO输出增益调节 (db)</source>
        <translation>TCXO输出增益调节 (db)</translation>
    </message>
    <message>
        <location filename="../src/core/link/factory_exchange.cpp" line="+37"/>
        <location filename="../src/core/link/transfer.cpp" line="+100"/>
        <location line="+25"/>
        <source>Stopped by the user.</source>
        <translation>已被用户停止。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Read successfully</source>
        <translation>读取成功</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write successfully</source>
        <translation>写入成功</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cound not open the port</source>
        <translation>无法打开端口</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error</source>
        <translation>通信出错</translation>
    </message>
    <message>
        <location filename="../src/core/link/transfer.cpp" line="-113"/>
        <source>Cound not open the port.</source>
        <translation>无法打开端口。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>通信出錯</source>
        <translation>通信出错</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>holds a partly written image: write it again before use</source>
        <translation>含有未写完的镜像：使用前请重新写入</translation>
    </message>
    <message>
        <location filename="../src/core/settings/alarm_page.cpp" line="-78"/>
        <source>Cycle</source>
        <translation>循环</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit delay (s)</source>
        <translation>退出延时 (s)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Tx interval (s)</source>
        <translation>发射间隔 (s)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Digit alarm id code</source>
        <translation>数字报警 ID 码</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+7"/>
        <source>prohibit</source>
        <translation>禁止</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="+0"/>
        <source>allow</source>
        <translation>允许</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analog alarm id code</source>
        <translation>模拟报警 ID 码</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alarm type</source>
        <translation>报警类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only whistle</source>
        <translation>仅鸣笛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secret</source>
        <translation>秘密</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send alarm id</source>
        <translation>发送报警 ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID type</source>
        <translation>ID 类型</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm time (s)</source>
        <translation>报警时间 (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx time (s)</source>
        <translation>发射时间 (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx time (s)</source>
        <translation>接收时间 (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work alone time (min)</source>
        <translation>单独工作时间 (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work alone pre-remind (s)</source>
        <translation>单独工作预提醒 (s)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Query interval (min)</source>
        <translation>查询间隔 (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upside</source>
        <translation>倒地</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entry delay time (s)</source>
        <translation>进入延时 (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upside pre-prompt  (s)</source>
        <translation>倒地预提醒 (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/dtmf_decode_page.cpp" line="-64"/>
        <source>Group call code</source>
        <translation>组呼码</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Decode response</source>
        <translation>解码响应</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remind</source>
        <translation>提醒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply</source>
        <translation>应答</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remind and Reply</source>
        <translation>提醒并应答</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kill Active</source>
        <translation>遥毙/激活</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tx inhibit</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Person ID</source>
        <translation>个人 ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto reset time (s)</source>
        <translation>自动复位时间 (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Decode display</source>
        <translation>解码显示</translation>
    </message>
    <message>
        <location filename="../src/core/settings/dtmf_encode_page.cpp" line="+17"/>
        <source>Speed (digit/s)</source>
        <translation>速率 (码/s)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Inhibit</source>
        <translation>禁止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow</source>
        <translation>允许</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First digit delay (ms)</source>
        <translation>首位延时 (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First digit (ms)</source>
        <translation>首位时长 (ms)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*和# tone (ms)</source>
        <translation>* 和 # 音时长 (ms)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short beep</source>
        <translation>短提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side tone</source>
        <translation>侧音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTTID type</source>
        <translation>PTTID 类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On line</source>
        <translation>上线</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off line</source>
        <translation>下线</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Both</source>
        <translation>两者</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On-line code</source>
        <translation>上线码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off-line  code</source>
        <translation>下线码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hold time (s)</source>
        <translation>保持时间 (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response wait</source>
        <translation>响应等待</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response wait time (s)</source>
        <translation>响应等待时间 (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/option_page.cpp" line="+3"/>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SQL</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving mode</source>
        <translation>省电模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving delay time (s)</source>
        <translation>省电延时 (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APO</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STE</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freq</source>
        <translation>频率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wired copy</source>
        <translation>有线克隆</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wireless copy</source>
        <translation>无线克隆</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT (s)</source>
        <translation>发射限时 (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>TOT</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>TOT pre-aleat  (s)</source>
        <translation>发射限时预警 (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TOT re-key time (s)</source>
        <translation>发射限时重发时间 (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TOT reset time (s)</source>
        <translation>发射限时复位时间 (s)</translation>
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
        <translation>VOX 灵敏度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX delay (s)</source>
        <translation>VOX 延时 (s)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/scan_page.cpp" line="+3"/>
        <source>Scan Info</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan mode</source>
        <translation>扫描模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone scan mode</source>
        <translation>亚音扫描模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not detect</source>
        <translation>不检测</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Non pri ch</source>
        <translation>非优先信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Priority ch</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>all ch</source>
        <translation>所有信道</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk back</source>
        <translation>回讲</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan begin beep</source>
        <translation>扫描开始提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan end beep</source>
        <translation>扫描结束提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop time (s)</source>
        <translation>停留时间 (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>扫描收发恢复延时 (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scan tx channel</source>
        <translation>扫描发射信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry ch before scan</source>
        <translation>扫描前所在信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last active ch</source>
        <translation>最后活动信道</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Specified ch</source>
        <translation>指定信道</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Specified channel</source>
        <translation>指定信道</translation>
    </message>
    <message>
        <location filename="../src/core/settings/side_key_page.cpp" line="-37"/>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel display</source>
        <translation>信道显示</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+33"/>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+32"/>
        <source>Noise ch tmp remove</source>
        <translation>临时删除干扰信道</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+31"/>
        <source>Hihg/Low power</source>
        <translation>高/低功率</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+31"/>
        <source>Power detect</source>
        <translation>电量检测</translation>
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
        <translation>EMI 关闭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record</source>
        <translation>录音</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Backlight</source>
        <translation>背光</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+25"/>
        <source>Encrypt</source>
        <translation>加密</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Message</source>
        <translation>短信</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Key lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <source>1750 signal</source>
        <translation>1750 信号</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>Pri ch scan</source>
        <translation>优先信道扫描</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Noise suppression switch</source>
        <translation>降噪开关</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flashlight</source>
        <translation>手电筒</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wake</source>
        <translation>唤醒</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Long key (s)</source>
        <translation>长按时间 (s)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Short press</source>
        <translation>短按</translation>
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
        <translation>长按</translation>
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
        <translation>提示音和指示灯</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power-on tone</source>
        <translation>开机提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown tone</source>
        <translation>关机提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown pre-aleat tone</source>
        <translation>关机预警提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call out tone</source>
        <translation>呼出提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low voltage</source>
        <translation>低电压提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single call tone</source>
        <translation>单呼提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group call tone</source>
        <translation>组呼提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx exit tone</source>
        <translation>接收结束提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call link reset tone</source>
        <translation>呼叫链路复位提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power-on light</source>
        <translation>开机指示灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx light</source>
        <translation>发射指示灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx light</source>
        <translation>接收指示灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan state light</source>
        <translation>扫描状态指示灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low voltage light</source>
        <translation>低电压指示灯</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice broadcast</source>
        <translation>语音播报</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tone</source>
        <translation>提示音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>指示灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shock</source>
        <translation>振动</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/gui/app/language.cpp" line="+157"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Built-in texts</source>
        <translation>内置文本</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>%1 (system language)</source>
        <translation>%1（系统语言）</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/app/main.cpp" line="+75"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language takes effect when dpmr-cps is started again.</source>
        <translation>语言将在 dpmr-cps 下次启动时生效。</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main.cpp" line="+1"/>
        <source>The window shows its built-in texts.</source>
        <translation>窗口显示内置文本。</translation>
    </message>
</context>
<context>
    <name>StepRunner</name>
    <message>
        <location filename="../src/gui/widgets/step_runner.h" line="+24"/>
        <source>Read from radio</source>
        <translation>从对讲机读取</translation>
    </message>
</context>
<context>
    <name>cps::BackupsDialog</name>
    <message>
        <location filename="../src/gui/link/backups_dialog.cpp" line="+20"/>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No backups yet in %1</source>
        <translation>%1 中还没有备份</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every read from a radio is kept in %1</source>
        <translation>每次从对讲机读取的数据都保存在 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio name</source>
        <translation>对讲机名称</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio id</source>
        <translation>对讲机 ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(cannot be read)</source>
        <translation>(无法读取)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>* kept beside the program: move it to %1</source>
        <translation>* 保存在程序旁边：请移到 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to radio...</source>
        <translation>写入对讲机...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put this backup back into the radio exactly as it was kept</source>
        <translation>将此备份按保存时的原样写回对讲机</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>* %1 of these lie in %2, beside the program, which is no portable install (it has no Program.ini): move them to %3 before that folder is deleted.</source>
        <translation>* 其中 %1 个位于程序旁边的 %2，该程序不是便携安装（没有 Program.ini）：请在删除该文件夹之前将它们移到 %3。</translation>
    </message>
</context>
<context>
    <name>cps::BulkEditDialog</name>
    <message>
        <location filename="../src/gui/channels/bulk_edit_dialog.cpp" line="+47"/>
        <source>Bulk edit</source>
        <translation>批量编辑</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tick the values to set on %1 %2:</source>
        <extracomment>%1 is the row name (&quot;Channel&quot;, &quot;PMR channel&quot;), %2 the row numbers.</extracomment>
        <translation>勾选要为 %1 %2 设置的值：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tick the values to set on %1s %2:</source>
        <translation>勾选要为 %1 %2 设置的值：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Channel table</source>
        <translation>信道表</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On</source>
        <translation>开</translation>
    </message>
</context>
<context>
    <name>cps::CAlarmDlg</name>
    <message>
        <location filename="../src/gui/settings/settings_dialogs.cpp" line="+32"/>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
</context>
<context>
    <name>cps::CBasicSettingDlg</name>
    <message>
        <location line="-15"/>
        <source>Basic setting</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone and Light</source>
        <translation>提示音和指示灯</translation>
    </message>
</context>
<context>
    <name>cps::CContactPage</name>
    <message>
        <location filename="../src/gui/dpmr/contact_page.cpp" line="+21"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>cps::CDpmrParamDlg</name>
    <message>
        <location filename="../src/gui/dpmr/dpmr_param_dialog.cpp" line="+17"/>
        <source>dPMR param</source>
        <translation>dPMR 参数</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt</source>
        <translation>加密</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg outbox</source>
        <translation>短信发件箱</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg inbox</source>
        <translation>短信收件箱</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group rx list</source>
        <translation>接收组列表</translation>
    </message>
</context>
<context>
    <name>cps::CDtmfContactPage</name>
    <message>
        <location filename="../src/gui/settings/dtmf_contact_page.cpp" line="+16"/>
        <source>Code</source>
        <translation>号码</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>序号</translation>
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
        <translation>编码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
</context>
<context>
    <name>cps::CEncryptPage</name>
    <message>
        <location filename="../src/gui/dpmr/encrypt_page.cpp" line="+20"/>
        <location line="+5"/>
        <source>Encrypt</source>
        <translation>加密</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alias</source>
        <translation>别名</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>cps::CGroupRxListPage</name>
    <message>
        <location filename="../src/gui/dpmr/group_rx_list_page.cpp" line="+40"/>
        <source>Add &gt;&gt;</source>
        <translation>添加 &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Del &lt;&lt;</source>
        <translation>删除 &lt;&lt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unallocated:</source>
        <translation>未分配：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allocated:</source>
        <translation>已分配：</translation>
    </message>
</context>
<context>
    <name>cps::CMainFrame</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+35"/>
        <source>*.dat (*.dat);;All files (*)</source>
        <translation>*.dat (*.dat);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — %2 Software</source>
        <extracomment>%1 is the file name (&quot;[*]&quot; marks unsaved changes), %2 the radio model.</extracomment>
        <translation>%1[*] — %2 软件</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Info</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic setting</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>报警</translation>
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
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read</source>
        <translation>读取(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read Data From Radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write Data to Radio </source>
        <translation>将数据写入对讲机 </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_link.cpp" line="+135"/>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User guide</source>
        <translation>用户指南(&amp;U)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Create a new document</source>
        <translation>新建文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document</source>
        <translation>打开已有文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document</source>
        <translation>保存当前文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name</source>
        <translation>以新名称保存当前文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document</source>
        <translation>打印当前文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages</source>
        <translation>显示整页</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options</source>
        <translation>更改打印机和打印选项</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents</source>
        <translation>退出程序；提示保存文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the user guide</source>
        <translation>打开用户指南</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <location line="+52"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_help.cpp" line="+29"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+52"/>
        <location filename="../src/gui/app/main_window_desk.cpp" line="+159"/>
        <location filename="../src/gui/app/main_window_interop.cpp" line="+141"/>
        <location line="+7"/>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Failed to open document.
%1</source>
        <translation>打开文档失败。
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file was opened as a new document; Save asks for a name.</source>
        <translation>该文件已作为新文档打开；保存时将询问文件名。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Failed to save document %1.
%2</source>
        <translation>保存文档 %1 失败。
%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+45"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>PMR Channel</source>
        <translation>PMR 信道</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.h" line="+227"/>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_interop.cpp" line="-121"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import c&amp;hannels…</source>
        <translation>导入信道(&amp;H)…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Put the channels of a CHIRP CSV file into the channel table</source>
        <translation>将 CHIRP CSV 文件中的信道放入信道表</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export channe&amp;ls…</source>
        <translation>导出信道(&amp;L)…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write the channels to a CHIRP CSV file</source>
        <translation>将信道写入 CHIRP CSV 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New from te&amp;mplate…</source>
        <translation>从模板新建(&amp;M)…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create a new document from a channel plan</source>
        <translation>根据信道规划新建文档</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save channels as templat&amp;e…</source>
        <translation>将信道另存为模板(&amp;E)…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep the channels as a template of your own</source>
        <translation>将信道保存为自己的模板</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot import channels from %1.
%2</source>
        <translation>无法从 %1 导入信道。
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Export channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot export the channels to %1.
%2</source>
        <translation>无法将信道导出到 %1。
%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The channels of template &apos;%1&apos; lie in no band of this radio.</source>
        <translation>模板“%1”的信道不在本对讲机的任何频段内。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New from template</source>
        <translation>从模板新建</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save channels as template</source>
        <translation>将信道另存为模板</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Template name:</source>
        <translation>模板名称：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is a template that comes with the program. Save your channels under this name? Your template then takes its place in the list.</source>
        <translation>%1 是程序自带的模板。是否以此名称保存您的信道？您的模板将在列表中取代它。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace the template %1?</source>
        <translation>是否替换模板 %1？</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot save the template %1.
%2</source>
        <translation>无法保存模板 %1。
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Template %1 saved in %2</source>
        <translation>模板 %1 已保存到 %2</translation>
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
        <translation>导出为文本(&amp;T)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import from text...</source>
        <translation>从文本导入(&amp;I)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Compare with file...</source>
        <translation>与文件比较(&amp;C)...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Failed to export %1.
%2</source>
        <translation>导出 %1 失败。
%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to import %1.
%2</source>
        <translation>导入 %1 失败。
%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+4"/>
        <location line="+33"/>
        <source>Import from text</source>
        <translation>从文本导入</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Some values of %1 were stored otherwise or not applied:</source>
        <translation>%1 中的部分值以其他方式存储或未被采用：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to compare with %1.
%2</source>
        <translation>与 %1 比较失败。
%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Export as text</source>
        <translation>导出为文本</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Compare with file</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_desk.cpp" line="-107"/>
        <source>%1 files were dropped. Drop one image file (.dat) at a time.</source>
        <translation>拖入了 %1 个文件。一次只能拖入一个镜像文件 (.dat)。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a file on this computer and was not opened.</source>
        <translation>%1 不是本机上的文件，未打开。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a channel list, not an image file (.dat).
Import its channels into the channel table?</source>
        <translation>%1 是信道列表，不是镜像文件 (.dat)。
是否将其中的信道导入信道表？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not an image file (.dat) and was not opened.</source>
        <translation>%1 不是镜像文件 (.dat)，未打开。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recent &amp;files</source>
        <translation>最近的文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 no longer exists.
It has been removed from the recent files.</source>
        <translation>%1 已不存在。
已将其从最近的文件中移除。</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/gui/app/main_window_interop.cpp" line="-120"/>
        <location line="+22"/>
        <source>Import channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_help.cpp" line="-9"/>
        <source>The user guide is not installed.
It is docs/user-guide.md in the program&apos;s source, or user-guide.md in its documentation folder.</source>
        <translation>未安装用户指南。
它是程序源码中的 docs/user-guide.md，或文档文件夹中的 user-guide.md。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 Software</source>
        <extracomment>%1 is the radio model.</extracomment>
        <translation>%1 软件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).</source>
        <translation>自由软件，依据 GNU 通用公共许可证
第 3 版或任何更高版本 (GPL-3.0-or-later) 发布。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;a href=&quot;guide&quot;&gt;User guide&lt;/a&gt; (F1)</source>
        <translation>&lt;a href=&quot;guide&quot;&gt;用户指南&lt;/a&gt; (F1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_history.cpp" line="+55"/>
        <source>Undo the last change</source>
        <translation>撤销上一次更改</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo the change undone last</source>
        <translation>重做上一次撤销的更改</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Undo</source>
        <extracomment>%1 is the name of the step Undo takes back.</extracomment>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <extracomment>%1 is the name of the step Redo makes again.</extracomment>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window_link.cpp" line="-95"/>
        <source>&amp;Backups...</source>
        <translation>备份(&amp;B)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open an image kept from an earlier read</source>
        <translation>打开以前读取时保存的镜像</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to &amp;several radios...</source>
        <translation>写入多台对讲机(&amp;S)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write the image into several radios at once</source>
        <translation>将镜像同时写入多台对讲机</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chec&amp;k image...</source>
        <translation>检查镜像(&amp;K)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Look the image over for what the radio would refuse and likely mistakes</source>
        <translation>检查镜像中对讲机会拒绝的内容和可能的错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with ra&amp;dio...</source>
        <translation>与对讲机比较(&amp;D)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read the radio and show what a write would change in it</source>
        <translation>读取对讲机，并显示写入会更改的内容</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: double-click the channel to edit this field</source>
        <translation>%1：双击该信道以编辑此字段</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit, PMR Channel</source>
        <translation>编辑，PMR 信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit, dPMR</source>
        <translation>编辑，dPMR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the band selector above the channel table</source>
        <translation>信道表上方的频段选择框</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the channel table</source>
        <translation>信道表</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>%1 is a key of the image (&quot;dpmr.contact.3&quot;), %2 where its field is edited.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Compare with radio - read</source>
        <translation>与对讲机比较 - 读取</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compare with radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/app/main_window_text.cpp" line="-17"/>
        <source>This image</source>
        <translation>本镜像</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A write puts this image&apos;s values into the radio.</source>
        <translation>写入会将本镜像中的值写入对讲机。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No serial trace: %1</source>
        <translation>无串口记录：%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The read is complete, but no backup of it could be kept.

%1</source>
        <translation>读取已完成，但无法保存其备份。

%1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Read from the radio on %1</source>
        <translation>已从 %1 上的对讲机读取</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Written to the radio on %1</source>
        <translation>已写入 %1 上的对讲机</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The backup cannot be read.
%1</source>
        <translation>无法读取该备份。
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write to radio</source>
        <translation>写入对讲机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this backup into the radio on %1, byte for byte as it was kept?

Radio name: %2
Radio id: %3
File: %4

The radio then holds this image; the document in the program does not change.</source>
        <translation>是否将此备份按保存时的原样逐字节写入 %1 上的对讲机？

对讲机名称：%2
对讲机 ID：%3
文件：%4

之后对讲机中将是此镜像；程序中的文档不变。</translation>
    </message>
</context>
<context>
    <name>cps::CMsgInboxPage</name>
    <message>
        <location filename="../src/gui/dpmr/msg_pages.cpp" line="+59"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Num</source>
        <translation>号码</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear current</source>
        <translation>清除当前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unread</source>
        <translation>未读</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read</source>
        <translation>已读</translation>
    </message>
</context>
<context>
    <name>cps::CMsgOutboxPage</name>
    <message>
        <location line="-68"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>增加</source>
        <translation>增加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>插入</source>
        <translation>插入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>删除</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>cps::CPasswordDlg</name>
    <message>
        <location filename="../src/gui/app/password_dialog.cpp" line="+18"/>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pwd</source>
        <translation>密码</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>cps::CScanInfoDlg</name>
    <message>
        <location filename="../src/gui/settings/settings_dialogs.cpp" line="-10"/>
        <source>Scan Info</source>
        <translation>扫描信息</translation>
    </message>
</context>
<context>
    <name>cps::ChannelEditDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_edit_dialog.h" line="+72"/>
        <source>Channel Edit: values stored as shown</source>
        <translation>信道编辑：按显示的值存储</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PMR Channel Edit: values stored as shown</source>
        <translation>PMR 信道编辑：按显示的值存储</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_edit_dialog.cpp" line="+90"/>
        <source>PMR Channel Edit</source>
        <translation>PMR 信道编辑</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Channel no.</source>
        <translation>信道号</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rx freq (MHz)</source>
        <translation>接收频率 (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx freq (MHz)</source>
        <translation>发射频率 (MHz)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Analog</source>
        <translation>模拟</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Digit</source>
        <translation>数字</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Offset freq (MHz)</source>
        <translation>频差 (MHz)</translation>
    </message>
</context>
<context>
    <name>cps::ChannelForm</name>
    <message>
        <location filename="../src/gui/channels/channel_form.h" line="+74"/>
        <source>Factroy</source>
        <translation>恢复出厂</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freq range</source>
        <translation>频率范围</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changing the band clears all 16 channels. Continue?</source>
        <translation>更改频段将清除全部 16 个信道。是否继续？</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_form.cpp" line="+24"/>
        <source>Channel edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Program</source>
        <translation>程序</translation>
    </message>
</context>
<context>
    <name>cps::ChannelImportDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_import_dialog.cpp" line="+21"/>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel type</source>
        <translation>信道类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes / Skipped</source>
        <translation>更改 / 跳过</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not placed</source>
        <translation>未放置</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>By Location</source>
        <translation>按 Location</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>First channel to fill:</source>
        <translation>填入的第一个信道：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Each checked row overwrites the whole channel it goes to; channels no row reaches keep what they hold. Names are not stored: the radio holds no channel names.</source>
        <translation>每个勾选的行都会覆盖其对应的整个信道；没有行对应的信道保持原有内容。名称不会保存：对讲机不存储信道名称。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>not checked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not placed: no channel left after 16</source>
        <translation>未放置：16 之后已无信道</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(receive only)</source>
        <translation>(仅接收)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>channels %1-%2</source>
        <translation>信道 %1-%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels from %2 to %3</source>
        <translation>%2 至 %3 之间的 %1 个信道</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 rows go into %3; %4 skipped, %5 not placed.</source>
        <extracomment>%3 is where the rows go: &quot;channel 5&quot;, &quot;channels 1-16&quot;, &quot;3 channels from 2 to 9&quot; or &quot;channels&quot;.</extracomment>
        <translation>%2 行中的 %1 行放入 %3；%4 行跳过，%5 行未放置。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 value is stored otherwise (see Changes).</source>
        <translation>1 个值以其他方式存储（见“更改”）。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 values are stored otherwise (see Changes).</source>
        <translation>%1 个值以其他方式存储（见“更改”）。</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableActions</name>
    <message>
        <location filename="../src/gui/channels/channel_table_actions.cpp" line="+34"/>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bulk edit...</source>
        <translation>批量编辑(&amp;B)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the clipboard and clear them</source>
        <translation>将所选单元格复制到剪贴板并清除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the clipboard</source>
        <translation>将所选单元格复制到剪贴板</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste channels or cells from the clipboard at the selected cell</source>
        <translation>从剪贴板将信道或单元格粘贴到所选单元格处</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the selected cells; selected whole rows clear their channels</source>
        <translation>清除所选单元格；选中整行时清除对应信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select every channel</source>
        <translation>选择所有信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit every setting of the current channel</source>
        <translation>编辑当前信道的全部设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set some columns or channel settings to one value on every selected channel</source>
        <translation>将所有选中信道的某些列或信道设置设为同一值</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+8"/>
        <source>Bulk edit</source>
        <translation>批量编辑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 values were not set as given:</source>
        <translation>%1 个值未按给定内容设置：</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableItemModel</name>
    <message>
        <location filename="../src/gui/channels/channel_table_view.h" line="+60"/>
        <source>Channel</source>
        <translation>信道</translation>
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
        <translation>已清除 %1；撤销 (Ctrl+Z) 可恢复</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a Digit channel: digital channels do not use the %2</source>
        <extracomment>%1 is a row of the table (&quot;Channel 3&quot;), %2 a column title (&quot;Rx Tone&quot;).</extracomment>
        <translation>%1 是数字信道：数字信道不使用 %2</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTableView</name>
    <message>
        <location filename="../src/gui/channels/channel_table_view.h" line="+56"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_table_clipboard.cpp" line="+98"/>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+18"/>
        <location line="+12"/>
        <location line="+14"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>%1 channels lie outside the band and were not pasted.</source>
        <translation>%1 个信道超出频段，未粘贴。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels were not pasted: no channel left after 16.</source>
        <translation>%1 个信道未粘贴：16 之后已无信道。</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Not everything was pasted as it was given:</source>
        <translation>部分内容未按给定内容粘贴：</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Program</source>
        <translation>程序</translation>
    </message>
</context>
<context>
    <name>cps::ChannelTemplateDialog</name>
    <message>
        <location filename="../src/gui/channels/channel_template_dialog.cpp" line="+23"/>
        <source>New from template</source>
        <translation>从模板新建</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the templates built into the program</source>
        <translation>程序内置的模板</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Templates were looked for in: %1</source>
        <extracomment>%1 lists the places: the built-in templates, then the folders.</extracomment>
        <translation>已在以下位置查找模板：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel type</source>
        <translation>信道类型</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No templates were found.</source>
        <translation>未找到模板。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Band: %1</source>
        <translation>频段：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The channels lie outside both bands.</source>
        <translation>这些信道不在任一频段内。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel table</source>
        <translation>信道表</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMR channels</source>
        <translation>PMR 信道</translation>
    </message>
</context>
<context>
    <name>cps::CheckDialog</name>
    <message>
        <location filename="../src/gui/link/check_dialog.cpp" line="+21"/>
        <source>No findings.</source>
        <translation>未发现问题。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 error</source>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 errors</source>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 warning</source>
        <translation>%1 个警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 warnings</source>
        <translation>%1 个警告</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <extracomment>%1 is the count of errors and warnings (&quot;2 errors, 1 warning&quot;).</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The radio does not take what an error names.</source>
        <translation>对讲机不接受错误所指出的内容。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check image</source>
        <translation>检查镜像</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finding</source>
        <translation>问题</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Double-click a finding to show its field</source>
        <translation>双击某个问题以显示其字段</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Write anyway</source>
        <translation>仍然写入</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write at once when the check finds nothing</source>
        <translation>检查未发现问题时直接写入</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>cps::CompareDialog</name>
    <message>
        <location filename="../src/gui/app/compare_dialog.cpp" line="+52"/>
        <source>Compare with %1</source>
        <translation>与 %1 比较</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Key</source>
        <translation>键名</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Caption</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>cps::EditableGrid</name>
    <message>
        <location filename="../src/gui/widgets/editable_grid.cpp" line="+266"/>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
</context>
<context>
    <name>cps::FactoryAdjustDialog</name>
    <message>
        <location filename="../src/gui/factory/factory_adjust_dialog.cpp" line="+22"/>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>可调节参数</source>
        <translation>可调节参数</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The values in the program were not changed.</source>
        <translation>程序中的值未更改。</translation>
    </message>
</context>
<context>
    <name>cps::FleetDialog</name>
    <message>
        <location filename="../src/gui/link/fleet_dialog.cpp" line="+31"/>
        <source>Written, verified</source>
        <translation>已写入，已校验</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port not opened</source>
        <translation>端口未打开</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error</source>
        <translation>通信出错</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify failed</source>
        <translation>校验失败</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to several radios</source>
        <translation>写入多台对讲机</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ports, %1 baud</source>
        <translation>端口，%1 波特</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>another device path, e.g. a dpmr-sim terminal</source>
        <translation>其他设备路径，例如 dpmr-sim 终端</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Give each radio its own radio id, starting at:</source>
        <translation>为每台对讲机分配各自的 ID，起始值：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verify after write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Radio id</source>
        <translation>对讲机 ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Choose at least one port.</source>
        <translation>请至少选择一个端口。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written:
%1</source>
        <translation>未写入任何内容：
%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Writing</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> (%1 s)</source>
        <extracomment>%1 is the time the write took, in seconds.</extracomment>
        <translation> (%1 秒)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>stopped at %p%</source>
        <extracomment>%p% is the progress reached, in percent.</extracomment>
        <translation>停止于 %p%</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2.</source>
        <extracomment>%1 is a port, %2 what it holds (&quot;holds a partly written image: ...&quot;).</extracomment>
        <translation>%1 %2。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of %2 radios written</source>
        <translation>%2 台对讲机中已写入 %1 台</translation>
    </message>
</context>
<context>
    <name>cps::NotesDialog</name>
    <message>
        <location filename="../src/gui/widgets/notes_dialog.cpp" line="+19"/>
        <source>… and %1 more</source>
        <translation>… 另有 %1 项</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+25"/>
        <source>Show details</source>
        <translation>显示详细信息</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Hide details</source>
        <translation>隐藏详细信息</translation>
    </message>
</context>
<context>
    <name>cps::PmrChannelDialog</name>
    <message>
        <location filename="../src/gui/channels/pmr_channel_dialog.cpp" line="+21"/>
        <source>Pmr Channel</source>
        <translation>PMR 信道</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>PMR channel</source>
        <translation>PMR 信道</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+41"/>
        <source>Factory</source>
        <translation>恢复出厂</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program</source>
        <translation>程序</translation>
    </message>
</context>
<context>
    <name>cps::PortSettingDialog</name>
    <message>
        <location filename="../src/gui/link/port_setting_dialog.cpp" line="+23"/>
        <source>Port setting</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No serial device found.</source>
        <translation>未找到串口设备。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device path:</source>
        <translation>设备路径：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>/dev/ttyUSB0 or a dpmr-sim terminal</source>
        <translation>/dev/ttyUSB0 或 dpmr-sim 终端</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Log serial traffic</source>
        <translation>记录串口通信</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every read and write keeps a trace of the bytes on the line in %1</source>
        <translation>每次读写都会在 %1 中记录线路上的字节</translation>
    </message>
</context>
<context>
    <name>cps::TransferDialog</name>
    <message>
        <location filename="../src/gui/link/transfer_dialog.cpp" line="+18"/>
        <location line="+4"/>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Read data</source>
        <translation>读取数据</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write data</source>
        <translation>写入数据</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Port %1, %2 baud</source>
        <translation>端口 %1，%2 波特</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verify after write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after the write and compare every written block</source>
        <translation>写入后回读对讲机并比较每个已写入的数据块</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Write data - verifying</source>
        <translation>写入数据 - 正在校验</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 %2.</source>
        <extracomment>%1 is a port, %2 what it holds (&quot;holds a partly written image: ...&quot;).</extracomment>
        <translation>%1 %2。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The image in the program was not changed.</source>
        <translation>程序中的镜像未更改。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Write verified: the radio holds every written block.</source>
        <translation>写入已校验：对讲机中包含所有已写入的数据块。</translation>
    </message>
</context>
<context>
    <name>cps::UndoHistory</name>
    <message>
        <location filename="../src/gui/app/undo_history.cpp" line="+22"/>
        <source>Undone: %1</source>
        <translation>已撤销：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redone: %1</source>
        <translation>已重做：%1</translation>
    </message>
</context>
<context>
    <name>cps::UserGuideDialog</name>
    <message>
        <location filename="../src/gui/app/user_guide.cpp" line="+36"/>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
</context>
</TS>
