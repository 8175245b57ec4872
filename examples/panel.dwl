<?xml version="1.0" encoding="iso-8859-1"?>
<gauge xmlns="http://dialwright.example/schema/gauge" version="2.0.0.0">
	<properties name="Demo panel" fps="20" maximized="0" pos_x="80" pos_y="60" pos_w="800" pos_h="540" backcolor="2105376" runatstart="no" aliasfile="alias.txt" customcolor_0="42495" customcolor_1="224" customcolor_2="51200" customcolor_3="65535" customcolor_4="15791605" customcolor_5="1315860" customcolor_6="5263440" customcolor_7="16752640" customcolor_8="0" customcolor_9="0" customcolor_10="0" customcolor_11="0" customcolor_12="0" customcolor_13="0" customcolor_14="0" customcolor_15="0"/>
	<zekolink_1 alias="FlightSimulator" ip="127.0.0.1" port="8090"/>
	<zekolink_2 alias="MORV" ip="0.0.0.0" port="8092"/>
	<element type="graph" name="Airspeed face" file="art/dial_face.png" locked="no" left="20" top="20" right="240" width="220" height="220" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[]]>
		</program>
		<program_lbup>
			<![CDATA[]]>
		</program_lbup>
	</element>
	<element type="primitive" name="Flap range" subtype="ArcTo" style="-1" locked="no" left="57" top="57" right="203" width="146" height="146" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="60.000000" ang2="127.500000" angpct="100.000000" bordercolor="15791605" borderwith="4" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Normal range" subtype="ArcTo" style="-1" locked="no" left="49" top="49" right="211" width="162" height="162" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="75.000000" ang2="195.000000" angpct="100.000000" bordercolor="3329330" borderwith="5" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Caution range" subtype="ArcTo" style="-1" locked="no" left="49" top="49" right="211" width="162" height="162" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="195.000000" ang2="247.500000" angpct="100.000000" bordercolor="54015" borderwith="5" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Never exceed" subtype="Radius" style="-1" locked="no" left="40" top="40" right="220" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.800000" ang2="1.000000" angpct="247.500000" bordercolor="1973990" borderwith="3" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Ticks 10 kt" subtype="Scale" style="-1" locked="no" left="40" top="40" right="220" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="300.000000" angpct="21.000000" bordercolor="15791605" borderwith="1" witharc="no" startmark="-0.070000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Ticks 20 kt" subtype="Scale" style="-1" locked="no" left="40" top="40" right="220" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="300.000000" angpct="11.000000" bordercolor="15791605" borderwith="3" witharc="no" startmark="-0.140000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 0" locked="no" left="112" top="58" right="148" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="0" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 40" locked="no" left="167" top="89" right="203" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="40" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 80" locked="no" left="167" top="153" right="203" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="80" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 120" locked="no" left="112" top="184" right="148" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="120" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 160" locked="no" left="57" top="153" right="93" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="160" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 200" locked="no" left="57" top="89" right="93" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="200" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Label AIRSPEED" locked="no" left="85" top="92" right="175" width="90" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="AIRSPEED" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Label KNOTS" locked="no" left="85" top="150" right="175" width="90" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="KNOTS" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="graph" name="Airspeed needle" file="art/needle.png" locked="no" left="40" top="40" right="220" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[// The needle turns 1.5 degrees per knot and stops at 200 knots.
link offset 101 server 1
data = value
if data > 200
data = 200
endif
data *= 1.5
rotate
]]>
		</program>
		<program_lbup>
			<![CDATA[]]>
		</program_lbup>
	</element>
	<element type="graph" name="Altimeter face" file="art/dial_face.png" locked="no" left="260" top="20" right="480" width="220" height="220" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[]]>
		</program>
		<program_lbup>
			<![CDATA[]]>
		</program_lbup>
	</element>
	<element type="primitive" name="Ticks 20 ft" subtype="Scale" style="-1" locked="no" left="280" top="40" right="460" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="50.000000" bordercolor="15791605" borderwith="1" witharc="no" startmark="-0.070000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Ticks 100 ft" subtype="Scale" style="-1" locked="no" left="280" top="40" right="460" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="10.000000" bordercolor="15791605" borderwith="3" witharc="no" startmark="-0.140000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 0" locked="no" left="352" top="57" right="388" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="0" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 1" locked="no" left="390" top="69" right="426" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="1" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 2" locked="no" left="413" top="101" right="449" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="2" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 3" locked="no" left="413" top="141" right="449" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="3" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 4" locked="no" left="390" top="173" right="426" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="4" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 5" locked="no" left="352" top="185" right="388" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="5" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 6" locked="no" left="314" top="173" right="350" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="6" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 7" locked="no" left="291" top="141" right="327" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="7" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 8" locked="no" left="291" top="101" right="327" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="8" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 9" locked="no" left="314" top="69" right="350" width="36" height="19" rot="0.000000" bordercolor="0" borderwith="0" literal="9" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-13" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Label FEET" locked="no" left="340" top="92" right="400" width="60" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="FEET" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Altitude readout" locked="no" left="332" top="154" right="408" width="76" height="24" rot="0.000000" bordercolor="5263440" borderwith="1" literal="01250" btr="no" ntr="0" col1="0" col2="0">
		<fontdesc face="DW_LCD" position="5" style="0" width="0" height="-16" weight="400" color="7929680" colorf="0"/>
		<program>
			<![CDATA[link offset 102 server 1
print %05.0f value
]]>
		</program>
	</element>
	<element type="primitive" name="Thousands hand" subtype="Radius" style="-1" locked="no" left="280" top="40" right="460" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="0.550000" angpct="45.000000" bordercolor="14475745" borderwith="7" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[// One turn of the short hand is 10 000 feet.
link offset 102 server 1
data = value
data *= 0.036
setpos data
]]>
		</program>
	</element>
	<element type="graph" name="Hundreds needle" file="art/needle.png" locked="no" left="280" top="40" right="460" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[// One turn of the long needle is 1000 feet: keep what is left over the thousands.
link offset 102 server 1
data = value
data /= 1000
int data
data *= -1000
data += value
data *= 0.36
rotate
]]>
		</program>
		<program_lbup>
			<![CDATA[]]>
		</program_lbup>
	</element>
	<element type="graph" name="Tachometer face" file="art/dial_face.png" locked="no" left="500" top="20" right="720" width="220" height="220" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[]]>
		</program>
		<program_lbup>
			<![CDATA[]]>
		</program_lbup>
	</element>
	<element type="primitive" name="RPM track" subtype="ArcTo" style="-1" locked="no" left="538" top="58" right="682" width="144" height="144" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="225.000000" ang2="135.000000" angpct="100.000000" bordercolor="4209724" borderwith="10" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="RPM arc" subtype="ArcTo" style="-1" locked="no" left="538" top="58" right="682" width="144" height="144" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="225.000000" ang2="135.000000" angpct="0.000000" bordercolor="3329330" borderwith="10" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[// The arc grows with the engine speed (3000 rpm fill it) and turns red above 2500.
link offset 103 server 1
data = value
data /= 30
if data > 100
data = 100
endif
setpos data
if value > 2500
setcolor 1973990
else
setcolor 3329330
endif
]]>
		</program>
	</element>
	<element type="primitive" name="RPM ticks" subtype="Scale" style="-1" locked="no" left="520" top="40" right="700" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="225.000000" ang2="135.000000" angpct="7.000000" bordercolor="15791605" borderwith="2" witharc="no" startmark="-0.100000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="RPM red line" subtype="Radius" style="-1" locked="no" left="520" top="40" right="700" width="180" height="180" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.780000" ang2="1.000000" angpct="90.000000" bordercolor="1973990" borderwith="3" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="0">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 0" locked="no" left="558" top="155" right="594" width="36" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="0" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 5" locked="no" left="544" top="121" right="580" width="36" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="5" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 10" locked="no" left="558" top="87" right="594" width="36" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="10" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 15" locked="no" left="592" top="73" right="628" width="36" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="15" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 20" locked="no" left="626" top="87" right="662" width="36" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="20" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 25" locked="no" left="640" top="121" right="676" width="36" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="25" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Number 30" locked="no" left="626" top="155" right="662" width="36" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="30" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="RPM readout" locked="no" left="575" top="118" right="645" width="70" height="24" rot="0.000000" bordercolor="0" borderwith="0" literal="2400" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans Mono" position="5" style="0" width="0" height="-18" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[link offset 103 server 1
print %4.0f value
]]>
		</program>
	</element>
	<element type="text" name="Label RPM x 100" locked="no" left="565" top="142" right="655" width="90" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="RPM x 100" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Overspeed stripe" subtype="FillRect" style="3" locked="no" left="562" top="200" right="658" width="96" height="12" rot="0.000000" btr="no" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="50.000000" bordercolor="15791605" borderwith="0" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="54015">
		<program>
			<![CDATA[link offset 103 server 1
if value > 2600
show
else
hide
endif
]]>
		</program>
	</element>
	<element type="audio" name="Overspeed chime" file="art/chime.wav" locked="no" left="728" top="24" right="756" width="28" height="34" rot="0.000000" btr="no" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[// The chime sounds again and again while the engine turns too fast.
link offset 103 server 1
if value > 2600
play loop
else
stop
endif
]]>
		</program>
	</element>
	<element type="text" name="Label ANNUNCIATORS" locked="no" left="82" top="254" right="282" width="200" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="ANNUNCIATORS" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Light LOW FUEL" locked="no" left="20" top="274" right="124" width="104" height="30" rot="0.000000" bordercolor="4605510" borderwith="1" literal="LOW FUEL" btr="no" ntr="1447446" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="5263440" colorf="1447446"/>
		<program>
			<![CDATA[// Lit when the variable is < 15, or while the TEST button is down.
link offset 104 server 1
data = 0
if value < 15
data = 1
endif
offset 120
if value == 1
data = 1
endif
if data == 1
setbackcolor 43775
setcolor 1315860
else
setbackcolor 1447446
setcolor 5263440
endif
]]>
		</program>
	</element>
	<element type="text" name="Light OIL PRESS" locked="no" left="130" top="274" right="234" width="104" height="30" rot="0.000000" bordercolor="4605510" borderwith="1" literal="OIL PRESS" btr="no" ntr="1447446" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="5263440" colorf="1447446"/>
		<program>
			<![CDATA[// Lit when the variable is < 20, or while the TEST button is down.
link offset 105 server 1
data = 0
if value < 20
data = 1
endif
offset 120
if value == 1
data = 1
endif
if data == 1
setbackcolor 1973990
setcolor 1315860
else
setbackcolor 1447446
setcolor 5263440
endif
]]>
		</program>
	</element>
	<element type="text" name="Light GENERATOR" locked="no" left="240" top="274" right="344" width="104" height="30" rot="0.000000" bordercolor="4605510" borderwith="1" literal="GENERATOR" btr="no" ntr="1447446" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="5263440" colorf="1447446"/>
		<program>
			<![CDATA[// Lit when the variable is == 0, or while the TEST button is down.
link offset 106 server 1
data = 0
if value == 0
data = 1
endif
offset 120
if value == 1
data = 1
endif
if data == 1
setbackcolor 43775
setcolor 1315860
else
setbackcolor 1447446
setcolor 5263440
endif
]]>
		</program>
	</element>
	<element type="text" name="Light DOOR" locked="no" left="20" top="310" right="124" width="104" height="30" rot="0.000000" bordercolor="4605510" borderwith="1" literal="DOOR" btr="no" ntr="1447446" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="5263440" colorf="1447446"/>
		<program>
			<![CDATA[// Lit when the variable is == 1, or while the TEST button is down.
link offset 107 server 1
data = 0
if value == 1
data = 1
endif
offset 120
if value == 1
data = 1
endif
if data == 1
setbackcolor 43775
setcolor 1315860
else
setbackcolor 1447446
setcolor 5263440
endif
]]>
		</program>
	</element>
	<element type="text" name="Light LOW SPEED" locked="no" left="130" top="310" right="234" width="104" height="30" rot="0.000000" bordercolor="4605510" borderwith="1" literal="LOW SPEED" btr="no" ntr="1447446" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="5263440" colorf="1447446"/>
		<program>
			<![CDATA[// Lit when the variable is < 45, or while the TEST button is down.
link offset 101 server 1
data = 0
if value < 45
data = 1
endif
offset 120
if value == 1
data = 1
endif
if data == 1
setbackcolor 1973990
setcolor 1315860
else
setbackcolor 1447446
setcolor 5263440
endif
]]>
		</program>
	</element>
	<element type="text" name="Light OVERSPEED" locked="no" left="240" top="310" right="344" width="104" height="30" rot="0.000000" bordercolor="4605510" borderwith="1" literal="OVERSPEED" btr="no" ntr="1447446" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-11" weight="700" color="5263440" colorf="1447446"/>
		<program>
			<![CDATA[// Lit when the variable is > 2600, or while the TEST button is down.
link offset 103 server 1
data = 0
if value > 2600
data = 1
endif
offset 120
if value == 1
data = 1
endif
if data == 1
setbackcolor 1973990
setcolor 1315860
else
setbackcolor 1447446
setcolor 5263440
endif
]]>
		</program>
	</element>
	<element type="graph" name="Test button" file="art/button_off.png" locked="no" left="20" top="350" right="100" width="80" height="32" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0">
		<program>
			<![CDATA[// The button lights while the test is on.
link offset 120 server 1
if value == 1
setfile art/button_on.png
else
setfile art/button_off.png
endif
]]>
		</program>
		<program_lbup>
			<![CDATA[// A click switches the lamp test on or off.
link offset 120 server 1
if value == 0
set offset 120 = 1
else
set offset 120 = 0
endif
]]>
		</program_lbup>
	</element>
	<element type="text" name="Test label" locked="no" left="30" top="357" right="90" width="60" height="18" rot="0.000000" bordercolor="0" borderwith="0" literal="TEST" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-12" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Test hint" locked="no" left="115" top="358" right="305" width="190" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="click to test the lights" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="5263440" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="text" name="Label SLIP" locked="no" left="435" top="272" right="495" width="60" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="SLIP" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Slip tube" subtype="FillRect" style="-1" locked="no" left="370" top="290" right="560" width="190" height="30" rot="0.000000" btr="no" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="50.000000" bordercolor="7630446" borderwith="2" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="526344">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Slip mark" subtype="FillRect" style="-1" locked="no" left="450" top="292" right="452" width="2" height="26" rot="0.000000" btr="no" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="50.000000" bordercolor="15791605" borderwith="0" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="13158600">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Slip mark" subtype="FillRect" style="-1" locked="no" left="478" top="292" right="480" width="2" height="26" rot="0.000000" btr="no" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="50.000000" bordercolor="15791605" borderwith="0" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="13158600">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Slip ball" subtype="Pie" style="-1" locked="no" left="453" top="293" right="477" width="24" height="24" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="0.000000" ang2="360.000000" angpct="100.000000" bordercolor="15791605" borderwith="1" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="15791605">
		<program>
			<![CDATA[// The ball moves sideways by the slip, in pixels.
link offset 108 server 1
data = value
moveh
]]>
		</program>
	</element>
	<element type="text" name="Label FUEL" locked="no" left="640" top="356" right="700" width="60" height="16" rot="0.000000" bordercolor="0" borderwith="0" literal="FUEL" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-10" weight="700" color="9868950" colorf="0"/>
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Fuel track" subtype="Pie" style="-1" locked="no" left="600" top="260" right="740" width="140" height="140" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="270.000000" ang2="90.000000" angpct="100.000000" bordercolor="7630446" borderwith="1" witharc="no" startmark="0.000000" endmark="0.000000" color="0" colorf="3551794">
		<program>
			<![CDATA[]]>
		</program>
	</element>
	<element type="primitive" name="Fuel quantity" subtype="Pie" style="2" locked="no" left="600" top="260" right="740" width="140" height="140" rot="0.000000" btr="yes" ntr="0" col1="0" col2="0" ang1="270.000000" ang2="90.000000" angpct="60.000000" bordercolor="15791605" borderwith="1" witharc="no" startmark="0.000000" endmark="0.000000" color="1326090" colorf="5954620">
		<program>
			<![CDATA[// The sector shows the fuel left, hatched green, red below 15 per cent.
link offset 104 server 1
data = value
setpos data
if value < 15
setcolor 1973990
else
setcolor 5954620
endif
]]>
		</program>
	</element>
	<element type="text" name="Fuel readout" locked="no" left="638" top="336" right="702" width="64" height="20" rot="0.000000" bordercolor="0" borderwith="0" literal="60%" btr="yes" ntr="0" col1="0" col2="0">
		<fontdesc face="DejaVu Sans" position="5" style="0" width="0" height="-14" weight="700" color="15791605" colorf="0"/>
		<program>
			<![CDATA[link offset 104 server 1
print %3.0f%% value
]]>
		</program>
	</element>
</gauge>
