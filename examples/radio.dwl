<?xml version="1.0" encoding="iso-8859-1"?>
<gauge xmlns="http://dialwright.example/schema/gauge" version="2.0.0.0">
	<properties name="Radio stack" fps="20" maximized="0" pos_x="120" pos_y="100" pos_w="640" pos_h="400" backcolor="1710104" runatstart="no" aliasfile="alias.txt" customcolor_0="42495" customcolor_1="224" customcolor_2="51200" customcolor_3="65535" customcolor_4="15791605" customcolor_5="1315860" customcolor_6="5263440" customcolor_7="16752640" customcolor_8="0" customcolor_9="0" customcolor_10="0" customcolor_11="0" customcolor_12="0" customcolor_13="0" customcolor_14="0" customcolor_15="0"/>
	<zekolink_1 alias="FlightSimulator" ip="127.0.0.1" port="8090"/>
	<zekolink_2 alias="MORV" ip="0.0.0.0" port="8092"/>
	<element type="primitive" name="Panel" subtype="FillRect" style="-1" locked="no" left="10" top="10" right="590" width="580" height="280" rot="0.000000" btr="no" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="50.000000" bordercolor="6972516" borderwith="2" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="3420208">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Label ACTIVE" locked="no" left="102" top="14" right="202" width="100" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="ACTIVE" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Label STANDBY" locked="no" left="282" top="14" right="382" width="100" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="STANDBY" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Row COM 1" locked="no" left="24" top="45" right="84" width="60" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="COM 1" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="13816530" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="COM 1 active" locked="no" left="90" top="34" right="214" width="124" height="40" rot="0.000000" bordercolor="1842204" borderwith="2" literal="118.70" btr="no" ntr="2060" col1="0" col2="0">
		<fontdesc face="DW_LCD" position="5" style="0" width="0" height="-24" weight="400" color="45311" colorf="2060"/>
		<program>
			<![CDATA[link offset 110 server 1
print_com value
]]>
		</program>
	</element>
	<element type="text" name="COM 1 standby" locked="no" left="270" top="34" right="394" width="124" height="40" rot="0.000000" bordercolor="1842204" borderwith="2" literal="121.90" btr="no" ntr="2060" col1="0" col2="0">
		<fontdesc face="DW_LCD" position="5" style="0" width="0" height="-24" weight="400" color="45311" colorf="2060"/>
		<program>
			<![CDATA[link offset 111 server 1
print_com value
]]>
		</program>
	</element>
	<element type="graph" name="COM 1 swap" file="art/swap.png" locked="no" left="220" top="39" right="264" width="44" height="30" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[]]>
		</program>
		<program_lbup>
			<![CDATA[// Exchange the active and the standby frequency.
link offset 110 server 1
data = value
offset 111
set offset 110 server 1 = value
set offset 111 server 1 = data
]]>
		</program_lbup>
	</element>
	<element type="graph" name="COM 1 preset" file="art/button_off.png" locked="no" left="404" top="38" right="484" width="80" height="32" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[]]>
		</program>
		<program_lbup>
			<![CDATA[// Put a preset frequency into the standby window.
set offset 111 server 1 = 8528
]]>
		</program_lbup>
	</element>
	<element type="text" name="COM 1 preset label" locked="no" left="406" top="46" right="482" width="76" height="17" rot="0.000000" bordercolor="0" borderwith="0" literal="121.50" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Row NAV 1" locked="no" left="24" top="105" right="84" width="60" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="NAV 1" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="13816530" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="NAV 1 active" locked="no" left="90" top="94" right="214" width="124" height="40" rot="0.000000" bordercolor="1842204" borderwith="2" literal="110.30" btr="no" ntr="2060" col1="0" col2="0">
		<fontdesc face="DW_LCD" position="5" style="0" width="0" height="-24" weight="400" color="45311" colorf="2060"/>
		<program>
			<![CDATA[link offset 112 server 1
print_nav value
]]>
		</program>
	</element>
	<element type="text" name="NAV 1 standby" locked="no" left="270" top="94" right="394" width="124" height="40" rot="0.000000" bordercolor="1842204" borderwith="2" literal="113.90" btr="no" ntr="2060" col1="0" col2="0">
		<fontdesc face="DW_LCD" position="5" style="0" width="0" height="-24" weight="400" color="45311" colorf="2060"/>
		<program>
			<![CDATA[link offset 113 server 1
print_nav value
]]>
		</program>
	</element>
	<element type="graph" name="NAV 1 swap" file="art/swap.png" locked="no" left="220" top="99" right="264" width="44" height="30" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[]]>
		</program>
		<program_lbup>
			<![CDATA[// Exchange the active and the standby frequency.
link offset 112 server 1
data = value
offset 113
set offset 112 server 1 = value
set offset 113 server 1 = data
]]>
		</program_lbup>
	</element>
	<element type="graph" name="NAV 1 preset" file="art/button_off.png" locked="no" left="404" top="98" right="484" width="80" height="32" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[]]>
		</program>
		<program_lbup>
			<![CDATA[// Put a preset frequency into the standby window.
set offset 113 server 1 = 4176
]]>
		</program_lbup>
	</element>
	<element type="text" name="NAV 1 preset label" locked="no" left="406" top="106" right="482" width="76" height="17" rot="0.000000" bordercolor="0" borderwith="0" literal="110.50" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="NAV 1 station" locked="no" left="494" top="104" right="574" width="80" height="20" rot="0.000000" bordercolor="0" borderwith="0" literal="SFO" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans Mono" position="5" style="0" width="0" height="-16" weight="700" color="7929680" colorf="0"/>
		<program>
			<![CDATA[// The station's identifier comes packed as characters in one number.
link offset 116 server 1
print_ident value
]]>
		</program>
	</element>
	<element type="text" name="Row ADF" locked="no" left="24" top="165" right="84" width="60" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="ADF" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="13816530" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="ADF frequency" locked="no" left="90" top="154" right="214" width="124" height="40" rot="0.000000" bordercolor="1842204" borderwith="2" literal="345" btr="no" ntr="2060" col1="0" col2="0">
		<fontdesc face="DW_LCD" position="5" style="0" width="0" height="-24" weight="400" color="45311" colorf="2060"/>
		<program>
			<![CDATA[link offset 115 server 1
print_adf value
]]>
		</program>
	</element>
	<element type="text" name="Label kHz" locked="no" left="218" top="166" right="258" width="40" height="17" rot="0.000000" bordercolor="0" borderwith="0" literal="kHz" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Row XPDR" locked="no" left="24" top="225" right="84" width="60" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="XPDR" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="13816530" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Transponder code" locked="no" left="90" top="214" right="214" width="124" height="40" rot="0.000000" bordercolor="1842204" borderwith="2" literal="1200" btr="no" ntr="2060" col1="0" col2="0">
		<fontdesc face="DW_LCD" position="5" style="0" width="0" height="-24" weight="400" color="45311" colorf="2060"/>
		<program>
			<![CDATA[link offset 114 server 1
print_xpndr value
]]>
		</program>
	</element>
	<element type="graph" name="Ident button" file="art/button_off.png" locked="no" left="224" top="218" right="304" width="80" height="32" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[link offset 117 server 1
if value == 1
setfile art/button_on.png
else
setfile art/button_off.png
endif
]]>
		</program>
		<program_lbup>
			<![CDATA[// A click switches the identification on or off.
link offset 117 server 1
if value == 0
set offset 117 = 1
else
set offset 117 = 0
endif
]]>
		</program_lbup>
	</element>
	<element type="text" name="Ident label" locked="no" left="234" top="225" right="294" width="60" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="IDENT" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Transponder state" locked="no" left="314" top="216" right="464" width="150" height="36" rot="0.000000" bordercolor="0" borderwith="0" literal="STANDBY" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans Mono" position="4" style="0" width="0" height="-13" weight="700" color="7929680" colorf="0"/>
		<program>
			<![CDATA[// print_str shows the rest of its line; \n breaks it.
link offset 117 server 1
if value == 1
print_str IDENT\nREPLYING
else
print_str STANDBY
endif
]]>
		</program>
	</element>
	<element type="primitive" name="Speaker grille" subtype="FillRect" style="5" locked="no" left="494" top="194" right="574" width="80" height="80" rot="0.000000" btr="no" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="50.000000" bordercolor="4867654" borderwith="1" witharc="no" startmark="0.000000" endmark="0.000000" color="657930" colorf="6314586">
		<program>
			<![CDATA[]]>
		</program>
	</element>
</gauge>
