<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>corvanta::TForm1</name>
    <message>
        <source>歌曲…</source>
        <translation>Song…</translation>
    </message>
    <message>
        <source>指板上按法的名称:</source>
        <translation>Names of the fingering on the neck:</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>MIDI输出</source>
        <translation>MIDI output</translation>
    </message>
    <message>
        <source>标准和弦记法</source>
        <translation>Standard chord notation</translation>
    </message>
    <message>
        <source>C9 = C7/9</source>
        <translation>C9 = C7/9</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>查询和弦</source>
        <translation>Look up the typed chord</translation>
    </message>
    <message>
        <source>模式1</source>
        <translation>Ticks</translation>
    </message>
    <message>
        <source>模式2</source>
        <translation>Types</translation>
    </message>
    <message>
        <source>在列表中勾选和弦的音级</source>
        <translation>Tick the chord&apos;s degrees in the list</translation>
    </message>
    <message>
        <source>从表中选择和弦类型</source>
        <translation>Pick the chord type from the table</translation>
    </message>
    <message>
        <source>信息:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>结果:已找到</source>
        <translation>Found:</translation>
    </message>
    <message>
        <source>去5音</source>
        <translation>Omit 5th</translation>
    </message>
    <message>
        <source>去3音</source>
        <translation>Omit 3rd</translation>
    </message>
    <message>
        <source>跨度</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>手指跨度</source>
        <translation>Finger span, in frets</translation>
    </message>
    <message>
        <source>总品格数</source>
        <translation>Frets</translation>
    </message>
    <message>
        <source>显示所选品格数以内和弦</source>
        <translation>Show chords within this many frets</translation>
    </message>
    <message>
        <source>切换调音方式</source>
        <translation>Change the tuning</translation>
    </message>
    <message>
        <source>简单和弦</source>
        <translation>Simple chords</translation>
    </message>
    <message>
        <source>只显示常用的和弦</source>
        <translation>Only voicings without muted inner strings (sets the span to 3)</translation>
    </message>
    <message>
        <source>左手和弦</source>
        <translation>Left-handed</translation>
    </message>
    <message>
        <source>左撇子的按法</source>
        <translation>Diagrams for a left-handed player</translation>
    </message>
    <message>
        <source>去掉大横按</source>
        <translation>No full barres</translation>
    </message>
    <message>
        <source>不显示大横按和弦</source>
        <translation>Hide chords with a full barre</translation>
    </message>
    <message>
        <source>切换和弦演奏的音色</source>
        <translation>The instrument the chord is played with</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>调整和弦演奏的回放速度</source>
        <translation>How fast the chord is strummed</translation>
    </message>
    <message>
        <source>电吉他指板</source>
        <translation>Electric neck</translation>
    </message>
    <message>
        <source>古典吉他指板</source>
        <translation>Classical neck</translation>
    </message>
    <message>
        <source>未识别: </source>
        <translation>Not recognised: </translation>
    </message>
    <message>
        <source>名称: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>指板上的按法: %1</source>
        <translation>On the neck: %1</translation>
    </message>
    <message>
        <source>省略: </source>
        <translation>omitted: </translation>
    </message>
    <message>
        <source>N.C. 无和弦</source>
        <translation>N.C. (no chord)</translation>
    </message>
    <message>
        <source>需要 %1 个音, 最多 %2 个 (含低音): 未查询</source>
        <translation>needs %1 notes, at most %2 sound (bass included): not searched</translation>
    </message>
    <message>
        <source>变调夹</source>
        <translation>Capo</translation>
    </message>
    <message>
        <source>变调夹所在的品格</source>
        <translation>The fret the capo is on</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>导出...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>所选和弦图...</source>
        <translation>Selected diagram...</translation>
    </message>
    <message>
        <source>全部和弦图...</source>
        <translation>All diagrams...</translation>
    </message>
    <message>
        <source>打印...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>查看</source>
        <translation>View</translation>
    </message>
    <message>
        <source>和弦图大小</source>
        <translation>Diagram size</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>原始大小</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>请先选择一个和弦图。</source>
        <translation>Select a diagram first.</translation>
    </message>
    <message>
        <source>没有和弦图可导出。</source>
        <translation>There are no diagrams to export.</translation>
    </message>
    <message>
        <source>导出和弦图</source>
        <translation>Export diagrams</translation>
    </message>
    <message>
        <source>PNG 的放大倍数 (1 到 8):每个和弦图为 100 × 130 像素乘以此数</source>
        <translation>PNG scale (1 to 8): each diagram is 100 × 130 pixels times this number</translation>
    </message>
    <message>
        <source>变调夹 %1</source>
        <translation>Capo %1</translation>
    </message>
    <message>
        <source>%1 的指法, 实际发音 %2</source>
        <translation>%1 shapes, sounding %2</translation>
    </message>
    <message>
        <source>变调夹上的和弦名: 实际发音或指法形状</source>
        <translation>Chord names under the capo: what sounds, or the shapes fingered</translation>
    </message>
    <message>
        <source>和弦名为实际发音</source>
        <translation>Names are sounding</translation>
    </message>
    <message>
        <source>输入的和弦就是听到的和弦</source>
        <translation>The chord chosen is the chord you hear</translation>
    </message>
    <message>
        <source>和弦名为指法形状 (如 &quot;变调夹 2: G&quot;)</source>
        <translation>Names are shapes (as in &quot;Capo 2: G&quot;)</translation>
    </message>
    <message>
        <source>输入的和弦是变调夹上方的指法形状</source>
        <translation>The chord chosen is the shape fingered above the capo, as songbooks write it</translation>
    </message>
    <message>
        <source>乐器</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>自定义…</source>
        <translation>Custom…</translation>
    </message>
    <message>
        <source>输入 4 到 8 根弦的调弦</source>
        <translation>Type the tuning of an instrument of 4 to 8 strings</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>自定义乐器</source>
        <translation>Custom instrument</translation>
    </message>
    <message>
        <source>4 到 8 根弦的音名和八度, 从最低列出的弦开始 (如 G3 C4 E4 A4):</source>
        <translation>Note names with octaves for 4 to 8 strings, the lowest-listed string first (as in G3 C4 E4 A4):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; 不是 4 到 8 个带八度的音名 (如 G3 C4 E4 A4)。</source>
        <translation>&quot;%1&quot; is not 4 to 8 note names with octaves (as in G3 C4 E4 A4).</translation>
    </message>
    <message>
        <source>正在导出和弦图…</source>
        <translation>Exporting the diagrams…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>按把位</source>
        <translation>By position</translation>
    </message>
    <message>
        <source>按把位, 弦组和最高品排列 (默认)</source>
        <translation>By position, string set and highest fret (the default)</translation>
    </message>
    <message>
        <source>按难易</source>
        <translation>By ease</translation>
    </message>
    <message>
        <source>最容易按的和弦图在前</source>
        <translation>The easiest shapes first</translation>
    </message>
    <message>
        <source>弦下标记</source>
        <translation>Under the strings</translation>
    </message>
    <message>
        <source>发音标记</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>音名</source>
        <translation>Note names</translation>
    </message>
    <message>
        <source>音程</source>
        <translation>Intervals</translation>
    </message>
    <message>
        <source>实用按法</source>
        <translation>Practical voicings</translation>
    </message>
    <message>
        <source>乐手常用的按法: 五音 (和十三和弦的九音) 可省, 转位和弦须有根音, 低音为最低音, 二音和弦可只用两根弦</source>
        <translation>The voicings players use: the fifth (and a thirteenth chord&#x27;s ninth) may be left out, a slash chord keeps its root, the bass is the lowest note, two-tone chords may use two strings</translation>
    </message>
    <message>
        <source>高于 MIDI 音 127 的音无法发声, 已略去</source>
        <translation>Notes above MIDI note 127 cannot sound: they were left out</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>如何看和弦图</source>
        <translation>How to read a diagram</translation>
    </message>
    <message>
        <source>实际发音</source>
        <translation>Sounding</translation>
    </message>
    <message>
        <source>指法形状</source>
        <translation>Shapes</translation>
    </message>
    <message>
        <source>和弦谱标记</source>
        <translation>Chart marks</translation>
    </message>
    <message>
        <source>空弦上画 o, 不弹的弦上画 x, 按住的弦上不画; 低音为实心</source>
        <translation>o above an open string, x above a muted one, nothing above a fretted one; the bass filled</translation>
    </message>
    <message>
        <source>&apos;%1&apos; 不是音名: 请用 C..B 加 #、b 和八度</source>
        <translation>&apos;%1&apos; is not a note name: use C..B with #, b and an octave</translation>
    </message>
    <message>
        <source>输入和弦符号 (如 C#m7/G#), 按回车查询</source>
        <translation>Type a chord symbol (as C#m7/G#) and press Enter</translation>
    </message>
    <message>
        <source>和弦的根音</source>
        <translation>The chord&apos;s root</translation>
    </message>
    <message>
        <source>低音: 最低的音</source>
        <translation>The bass: the lowest note</translation>
    </message>
    <message>
        <source>勾选和弦的音级</source>
        <translation>Tick the chord&apos;s degrees</translation>
    </message>
    <message>
        <source>和弦类型</source>
        <translation>The chord type</translation>
    </message>
    <message>
        <source>根音用升号命名</source>
        <translation>Name the roots with sharps</translation>
    </message>
    <message>
        <source>根音用降号命名</source>
        <translation>Name the roots with flats</translation>
    </message>
    <message>
        <source>低音用升号命名</source>
        <translation>Name the basses with sharps</translation>
    </message>
    <message>
        <source>低音用降号命名</source>
        <translation>Name the basses with flats</translation>
    </message>
    <message>
        <source>同样的音的其他名称</source>
        <translation>Other names of the same notes</translation>
    </message>
    <message>
        <source>点击和弦图: 在指板上显示并弹奏</source>
        <translation>Click a diagram: shown on the neck and strummed</translation>
    </message>
    <message>
        <source>所选和弦图的品格, 从最低的弦开始 (X 为不弹的弦)</source>
        <translation>The selected diagram&apos;s frets, lowest string first (X: not played)</translation>
    </message>
    <message>
        <source>和弦中省去五音</source>
        <translation>Leave the fifth out of the chord</translation>
    </message>
    <message>
        <source>和弦中省去三音</source>
        <translation>Leave the third out of the chord</translation>
    </message>
    <message>
        <source>调整这根弦的音高</source>
        <translation>Retune this string</translation>
    </message>
    <message>
        <source>指板图: 低音弦为铜色</source>
        <translation>Neck picture: bronze low strings</translation>
    </message>
    <message>
        <source>指板图: 所有的弦为银色</source>
        <translation>Neck picture: every string silver</translation>
    </message>
    <message>
        <source>点击品格放下或抬起手指; 点击琴枕左边: 不弹或空弦</source>
        <translation>Click a fret to place or lift a finger; left of the nut: mute or open the string</translation>
    </message>
    <message>
        <source>歌本…</source>
        <translation>Songbook…</translation>
    </message>
</context>
<context>
    <name>corvanta::SoundDevices</name>
    <message>
        <source>内置合成器</source>
        <translation>Built-in synthesizer</translation>
    </message>
    <message>
        <source>内置合成器 (无声)</source>
        <translation>Built-in synthesizer (silent: no audio device)</translation>
    </message>
    <message>
        <source>没有可用的音频设备:内置合成器无声</source>
        <translation>No audio device can play: the built-in synthesizer is silent</translation>
    </message>
</context>
<context>
    <name>corvanta::TForm2</name>
    <message>
        <source>关于Corvanta</source>
        <translation>About Corvanta</translation>
    </message>
</context>
<context>
    <name>TuningPresets</name>
    <message>
        <source>标准音</source>
        <translation>Standard tuning</translation>
    </message>
    <message>
        <source>Open E</source>
        <translation>Open E</translation>
    </message>
    <message>
        <source>Open A</source>
        <translation>Open A</translation>
    </message>
    <message>
        <source>Lute Tunning</source>
        <translation>Lute tuning</translation>
    </message>
    <message>
        <source>Lute</source>
        <translation>Lute</translation>
    </message>
    <message>
        <source>Blues Tunning</source>
        <translation>Blues tuning</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Rain Song</source>
        <translation>Rain Song</translation>
    </message>
    <message>
        <source>Open D</source>
        <translation>Open D</translation>
    </message>
    <message>
        <source>Drop D</source>
        <translation>Drop D</translation>
    </message>
    <message>
        <source>Open G</source>
        <translation>Open G</translation>
    </message>
    <message>
        <source>C 6th</source>
        <translation>C 6th</translation>
    </message>
    <message>
        <source>G Minor Tunning</source>
        <translation>G minor tuning</translation>
    </message>
    <message>
        <source>G minor tuning</source>
        <translation>G minor tuning</translation>
    </message>
    <message>
        <source>Vellmoor</source>
        <translation>Vellmoor</translation>
    </message>
    <message>
        <source>DADGAD</source>
        <translation>DADGAD</translation>
    </message>
    <message>
        <source>降半音 (Eb)</source>
        <translation>Half step down (Eb)</translation>
    </message>
    <message>
        <source>Eb</source>
        <translation>Eb</translation>
    </message>
</context>
<context>
    <name>Instruments</name>
    <message>
        <source>尼龙吉他</source>
        <translation>Nylon guitar</translation>
    </message>
    <message>
        <source>爵士吉他</source>
        <translation>Jazz guitar</translation>
    </message>
    <message>
        <source>清音吉他</source>
        <translation>Clean guitar</translation>
    </message>
    <message>
        <source>弱音吉他</source>
        <translation>Muted guitar</translation>
    </message>
    <message>
        <source>大钢琴</source>
        <translation>Grand piano</translation>
    </message>
    <message>
        <source>嘹亮大钢琴</source>
        <translation>Bright piano</translation>
    </message>
    <message>
        <source>电钢琴</source>
        <translation>Electric grand</translation>
    </message>
    <message>
        <source>酒吧钢琴</source>
        <translation>Honky-tonk piano</translation>
    </message>
    <message>
        <source>合唱钢琴</source>
        <translation>Electric piano</translation>
    </message>
</context>
<context>
    <name>InstrumentTitles</name>
    <message>
        <source>吉他</source>
        <translation>Guitar</translation>
    </message>
    <message>
        <source>七弦吉他</source>
        <translation>7-string guitar</translation>
    </message>
    <message>
        <source>尤克里里</source>
        <translation>Ukulele</translation>
    </message>
    <message>
        <source>男中音尤克里里</source>
        <translation>Baritone ukulele</translation>
    </message>
    <message>
        <source>曼陀林</source>
        <translation>Mandolin</translation>
    </message>
    <message>
        <source>五弦班卓琴</source>
        <translation>5-string banjo</translation>
    </message>
    <message>
        <source>次中音班卓琴</source>
        <translation>Tenor banjo</translation>
    </message>
    <message>
        <source>卡瓦奎尼奥</source>
        <translation>Cavaquinho</translation>
    </message>
    <message>
        <source>恰朗戈</source>
        <translation>Charango</translation>
    </message>
    <message>
        <source>贝斯</source>
        <translation>Bass guitar</translation>
    </message>
    <message>
        <source>五弦贝斯</source>
        <translation>5-string bass</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>容易</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>中等</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>困难</source>
        <translation>hard</translation>
    </message>
</context>
<context>
    <name>corvanta::SongWindow</name>
    <message>
        <source>变调夹 %1 — 和弦为指法</source>
        <translation>Capo %1 — chords are shapes</translation>
    </message>
    <message>
        <source>变调夹 %1 — 指法为 %2 调</source>
        <translation>Capo %1 — shapes in %2</translation>
    </message>
    <message>
        <source>变调夹 %1 — 指法为 %2 调，实际为 %3 调</source>
        <translation>Capo %1 — shapes in %2, sounding %3</translation>
    </message>
    <message>
        <source>%1 调</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>每分钟 %1 拍</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>剪贴板中没有文本。</source>
        <translation>The clipboard holds no text.</translation>
    </message>
    <message>
        <source>无法打开 %1: 歌曲文件大于 %2 KB</source>
        <translation>Cannot open %1: a song file is at most %2 KB</translation>
    </message>
    <message>
        <source>无法导出 %1: 只能导出 PDF、SVG 或 PNG 文件</source>
        <translation>Cannot export %1: songs export as PDF, SVG or PNG files</translation>
    </message>
    <message>
        <source>%1: %2 调 (%3)  难度 %4</source>
        <translation>%1: in %2 (%3)  difficulty %4</translation>
    </message>
    <message>
        <source>ChordPro (*.cho *.chordpro)</source>
        <translation>ChordPro (*.cho *.chordpro)</translation>
    </message>
    <message>
        <source>保存为 ChordPro (含和弦图)...</source>
        <translation>Save as ChordPro with diagrams...</translation>
    </message>
    <message>
        <source>保存为 ChordPro...</source>
        <translation>Save as ChordPro...</translation>
    </message>
    <message>
        <source>保存为文本...</source>
        <translation>Save as text...</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>升半音</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>取消固定</source>
        <translation>Unpin</translation>
    </message>
    <message>
        <source>变调夹 %1</source>
        <translation>Capo %1</translation>
    </message>
    <message>
        <source>变调夹</source>
        <translation>Capo</translation>
    </message>
    <message>
        <source>导出...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>打印...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>打开歌曲</source>
        <translation>Open a song</translation>
    </message>
    <message>
        <source>打开歌曲文件 (Ctrl+O) 或在这里粘贴歌曲</source>
        <translation>Open a song file (Ctrl+O) or paste a song here</translation>
    </message>
    <message>
        <source>按乐手习惯</source>
        <translation>As players play</translation>
    </message>
    <message>
        <source>推荐...</source>
        <translation>Suggest...</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>整首歌升高一个半音</source>
        <translation>The whole song a semitone up</translation>
    </message>
    <message>
        <source>整首歌降低一个半音</source>
        <translation>The whole song a semitone down</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>文本 (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>无变调夹</source>
        <translation>No capo</translation>
    </message>
    <message>
        <source>无法弹奏: %1</source>
        <translation>No fingering plays: %1</translation>
    </message>
    <message>
        <source>无法打开 %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>显示实际发音</source>
        <translation>Names sounding</translation>
    </message>
    <message>
        <source>显示指法形状</source>
        <translation>Names as shapes</translation>
    </message>
    <message>
        <source>最容易</source>
        <translation>Easiest</translation>
    </message>
    <message>
        <source>最容易弹的变调夹位置</source>
        <translation>The capo positions that make the song easiest</translation>
    </message>
    <message>
        <source>最少移动</source>
        <translation>Least movement</translation>
    </message>
    <message>
        <source>最近的歌曲</source>
        <translation>Recent songs</translation>
    </message>
    <message>
        <source>未识别: %1 (第%2行)</source>
        <translation>Not read: %1 (line %2)</translation>
    </message>
    <message>
        <source>歌曲 (*.cho *.chordpro *.chopro *.crd *.pro *.txt *.setlist);;所有文件 (*)</source>
        <translation>Songs (*.cho *.chordpro *.chopro *.crd *.pro *.txt *.setlist);;All files (*)</translation>
    </message>
    <message>
        <source>歌曲</source>
        <translation>Song</translation>
    </message>
    <message>
        <source>歌曲已修改。保存吗?</source>
        <translation>The song has changed. Save it?</translation>
    </message>
    <message>
        <source>移调到这个调 (实际发音)</source>
        <translation>Transpose to this key (as it sounds)</translation>
    </message>
    <message>
        <source>粘贴歌曲</source>
        <translation>Paste a song</translation>
    </message>
    <message>
        <source>调:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>降半音</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>视图</source>
        <translation>View</translation>
    </message>
    <message>
        <source>放大文字</source>
        <translation>Larger text</translation>
    </message>
    <message>
        <source>缩小文字</source>
        <translation>Smaller text</translation>
    </message>
    <message>
        <source>整页宽度</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>只显示歌词</source>
        <translation>Lyrics only</translation>
    </message>
    <message>
        <source>宽屏分两栏</source>
        <translation>Two columns when wide</translation>
    </message>
    <message>
        <source>自动滚动</source>
        <translation>Auto-scroll</translation>
    </message>
    <message>
        <source>滚动加快</source>
        <translation>Scroll faster</translation>
    </message>
    <message>
        <source>滚动减慢</source>
        <translation>Scroll slower</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>%1 中没有歌曲</source>
        <translation>%1 lists no songs</translation>
    </message>
    <message>
        <source>标准和弦名</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>纳什维尔数字</source>
        <translation>Nashville numbers</translation>
    </message>
    <message>
        <source>罗马数字</source>
        <translation>Roman numerals</translation>
    </message>
    <message>
        <source>和弦显示为字母, 或按调显示为级数</source>
        <translation>Chords as letters, or as the degrees of the key</translation>
    </message>
    <message>
        <source>和弦显示为</source>
        <translation>Chords as</translation>
    </message>
    <message>
        <source>简化和弦</source>
        <translation>Simplify chords</translation>
    </message>
    <message>
        <source>用更简单的同功能和弦弹奏 (Cmaj7 弹 C, Am7 弹 Am)</source>
        <translation>Play simpler chords of the same function (Cmaj7 as C, Am7 as Am)</translation>
    </message>
</context>
<context>
    <name>corvanta::DiagramHelp</name>
    <message>
        <source>如何看和弦图</source>
        <translation>How to read a diagram</translation>
    </message>
    <message>
        <source>弦和品</source>
        <translation>Strings and frets</translation>
    </message>
    <message>
        <source>竖线是弦, 最低音的弦在左边 (勾选左手和弦时在右边); 上方的粗线是琴枕, 横线是品丝。</source>
        <translation>The upright lines are the strings, the lowest on the left (on the right with Left-handed chords); the thick line at the top is the nut, the lines across are the frets.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>默认在弦下: 实心点是发出最低音 (低音) 的弦, 空心圈是发音的弦, × 是不弹的弦。选择 查看 &gt; 弦下标记 &gt; 和弦谱标记 时, 和和弦谱一样画在琴枕上方: o 为空弦, x 为不弹的弦, 按住的弦上不画; 低音为空弦时画实心点, 按住时手指外加一圈。也可以在弦下显示音名或音程 (R 为根音)。</source>
        <translation>By default under the strings: a filled dot is the string sounding the lowest note (the bass), a ring a string that sounds, a cross a string not played. With View &gt; Under the strings &gt; Chart marks they stand above the nut as chord charts draw them: o over an open string, x over one not played, nothing over a fretted one; the bass is a filled dot when open, a ring round its finger when fretted. Note names or intervals (R is the root) may stand under the strings instead.</translation>
    </message>
    <message>
        <source>手指</source>
        <translation>Fingers</translation>
    </message>
    <message>
        <source>黑色圆点是按在该品格后面的手指, 数字表示哪个手指: 1 食指, 2 中指, 3 无名指, 4 小指。</source>
        <translation>A black disc is a finger pressing the string behind that fret; its digit says which finger: 1 index, 2 middle, 3 ring, 4 little finger.</translation>
    </message>
    <message>
        <source>横按</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>横跨几根弦的黑条是一个手指 (通常是食指) 同时按住这些弦, 不标数字。</source>
        <translation>A black bar across several strings is one finger (mostly the index) pressing them all at that fret; it has no digit.</translation>
    </message>
    <message>
        <source>品格数</source>
        <translation>Fret number</translation>
    </message>
    <message>
        <source>和弦图左上的数字是第一行的品格; 1 是紧挨琴枕的第一品。用变调夹时品格从变调夹数起, 下方写着 &quot;capo N&quot;。</source>
        <translation>The number at the top left is the fret of the first row; 1 is the first fret, next to the nut. With a capo the frets count from it, and &quot;capo N&quot; stands below.</translation>
    </message>
    <message>
        <source>难易</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>&quot;容易&quot;、&quot;中等&quot;、&quot;困难&quot; 说明一个按法有多难: 按下的手指、横按、手指张开的距离、把位和中间不弹的弦都会使它更难。每个和弦图的提示里都有, 按难易排序时信息框里也有。</source>
        <translation>&quot;easy&quot;, &quot;medium&quot; and &quot;hard&quot; say how hard a shape is: the fingers put down, barres, the stretch, the position and muted strings between sounding ones all make it harder. Each diagram&apos;s hint says it, and the info box too when the diagrams are ordered by ease.</translation>
    </message>
</context>
<context>
    <name>corvanta::SongLibraryWindow</name>
    <message>
        <source>歌本</source>
        <translation>Songbook</translation>
    </message>
    <message>
        <source>歌曲文件夹...</source>
        <translation>Song folder...</translation>
    </message>
    <message>
        <source>搜索标题、歌手、歌词、和弦</source>
        <translation>Search titles, artists, lyrics, chords</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>歌手</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>调:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>原调</source>
        <translation>As written</translation>
    </message>
    <message>
        <source>变调夹</source>
        <translation>Capo</translation>
    </message>
    <message>
        <source>原样</source>
        <translation>The song's own</translation>
    </message>
    <message>
        <source>乐器</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>主窗口的乐器</source>
        <translation>The main window's</translation>
    </message>
    <message>
        <source>移出歌单</source>
        <translation>Remove from the setlist</translation>
    </message>
    <message>
        <source>打开歌单...</source>
        <translation>Open setlist...</translation>
    </message>
    <message>
        <source>保存歌单...</source>
        <translation>Save setlist...</translation>
    </message>
    <message>
        <source>歌单导出为歌本 (PDF)...</source>
        <translation>Setlist as a book (PDF)...</translation>
    </message>
    <message>
        <source>全部歌曲导出为歌本 (PDF)...</source>
        <translation>Whole library as a book (PDF)...</translation>
    </message>
    <message>
        <source>把歌曲从左边拖到这里，拖动排列顺序</source>
        <translation>Drag songs here from the left, and into order</translation>
    </message>
    <message>
        <source>歌单 (*.setlist);;所有文件 (*)</source>
        <translation>Setlists (*.setlist);;All files (*)</translation>
    </message>
    <message>
        <source>歌单 (*.setlist)</source>
        <translation>Setlists (*.setlist)</translation>
    </message>
    <message>
        <source>变调夹 %1</source>
        <translation>capo %1</translation>
    </message>
    <message>
        <source>正在排版歌本...</source>
        <translation>Laying out the songbook...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>没有歌曲</source>
        <translation>No songs</translation>
    </message>
    <message>
        <source>无法导出</source>
        <translation>Cannot export</translation>
    </message>
    <message>
        <source>正在写入 PDF...</source>
        <translation>Writing the PDF...</translation>
    </message>
</context>
</TS>
