<?xml version="1.0" encoding="iso-8859-1"?>
<gauge xmlns="http://dialwright.example/schema/gauge" version="2.0.0.0">
	<properties name="Café &amp; &quot;A&quot;" fps="25" maximized="1" pos_x="-8" pos_y="12" pos_w="1024" pos_h="768" backcolor="1056816" runatstart="yes" aliasfile="aliases.txt" customcolor_0="-1" customcolor_1="999" customcolor_2="1999" customcolor_3="2999" customcolor_4="3999" customcolor_5="4999" customcolor_6="5999" customcolor_7="6999" customcolor_8="7999" customcolor_9="8999" customcolor_10="9999" customcolor_11="10999" customcolor_12="11999" customcolor_13="12999" customcolor_14="13999" customcolor_15="14999"/>
	<zekolink_1 alias="FlightSimulator" ip="127.0.0.1" port="8090"/>
	<zekolink_2 alias="Radio" ip="192.0.2.1" port="8092"/>
	<element type="graph" name="Needle &amp; &lt;hub&gt;" file="img\needle.png" locked="yes" left="10" top="20" right="110" width="101" height="50" rot="12.000000" btr="yes" ntr="16711935" col1="255" col2="65280">
		<program>
			<![CDATA[link offset 3 server 1
rotate value
]]>
		</program>
		<program_lbup>
			<![CDATA[set 1 = 1
]]>
		</program_lbup>
	</element>
	<element type="text" name="Altitude" locked="no" left="-5" top="7" right="95" width="100" height="40" rot="-90.000000" bordercolor="12845056" borderwith="4" literal="FL\n350 &quot;ft&quot; &apos;x&apos;" btr="no" ntr="8421504" col1="1" col2="2">
		<fontdesc face="Courier New" position="5" style="7" width="8" height="-20" weight="700" color="65535" colorf="-1"/>
		<program>
			<![CDATA[None
]]>
		</program>
	</element>
	<element type="primitive" name="" subtype="Scale" style="4" locked="yes" left="0" top="0" right="200" width="200" height="150" rot="45.000000" btr="yes" ntr="0" col1="1193046" col2="1193046" ang1="270.000000" ang2="90.500000" angpct="33.250000" bordercolor="65280" borderwith="3" witharc="yes" startmark="-0.125000" endmark="0.250000" color="255" colorf="16711680">
		<program>
			<![CDATA[link offset 700 server 2
]]>
		</program>
	</element>
	<element type="audio" name="Stall horn" file="sounds\horn.wav" locked="no" left="10" top="10" right="48" width="38" height="38" rot="0.000000" btr="no" ntr="7" col1="11" col2="12">
		<program>
			<![CDATA[if value > 3
play loop
endif
]]>
		</program>
	</element>
</gauge>
