<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Catalogues</name>
    <message>
        <source>an item line needs an identifier and a name</source>
        <translation>an item line needs an identifier and a name</translation>
    </message>
    <message>
        <source>a faction line needs an identifier and a name</source>
        <translation>a faction line needs an identifier and a name</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 warning</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 warnings</translation>
    </message>
    <message>
        <source>%1, %2; the module could not be read, so nothing else was checked</source>
        <translation>%1, %2; the module could not be read, so nothing else was checked</translation>
    </message>
    <message>
        <source>%1, %2 in %3, %4 and %5</source>
        <translation>%1, %2 in %3, %4 and %5</translation>
    </message>
    <message>
        <source>it would gain field %1, &quot;%2&quot;</source>
        <translation>it would gain field %1, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it would lose field %1, &quot;%2&quot;</source>
        <translation>it would lose field %1, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>field %1 &quot;%2&quot; would become &quot;%3&quot;</source>
        <translation>field %1 &quot;%2&quot; would become &quot;%3&quot;</translation>
    </message>
    <message>
        <source>troops %1 to %2</source>
        <translation>troops %1 to %2</translation>
    </message>
    <message>
        <source>party templates %1 to %2</source>
        <translation>party templates %1 to %2</translation>
    </message>
    <message>
        <source>parties %1 to %2</source>
        <translation>parties %1 to %2</translation>
    </message>
    <message>
        <source>items</source>
        <translation>items</translation>
    </message>
    <message>
        <source>factions</source>
        <translation>factions</translation>
    </message>
    <message>
        <source>troop k at line 3 + %1k</source>
        <translation>troop k at line 3 + %1k</translation>
    </message>
    <message>
        <source>template k at line k + 3</source>
        <translation>template k at line k + 3</translation>
    </message>
    <message>
        <source>party k at line 2k + 3</source>
        <translation>party k at line 2k + 3</translation>
    </message>
    <message>
        <source>the file lists no item after item 0, so the editor can show no troop</source>
        <translation>the file lists no item after item 0, so the editor can show no troop</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3; the editor corrects it when it loads the module and writes %3 there when it saves</source>
        <translation>the summary row says %1 %2, but the file holds %3; the editor corrects it when it loads the module and writes %3 there when it saves</translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3 read record by record, or %4 counting every line that begins with trp_; as it cannot tell which is right, the editor keeps this row as it stands when it saves</source>
        <translation>the summary row says %1 %2, but the file holds %3 read record by record, or %4 counting every line that begins with trp_; as it cannot tell which is right, the editor keeps this row as it stands when it saves</translation>
    </message>
    <message>
        <source>line 2 should be the summary row with the number of %1, %2, not &quot;%3&quot;</source>
        <translation>line 2 should be the summary row with the number of %1, %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3</source>
        <translation>the summary row says %1 %2, but the file holds %3</translation>
    </message>
    <message>
        <source>Name 1 of %1</source>
        <translation>Name 1 of %1</translation>
    </message>
    <message>
        <source>Name 2 of %1</source>
        <translation>Name 2 of %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 has skill levels above %2: %3</source>
        <translation>%1 has skill levels above %2: %3</translation>
    </message>
    <message>
        <source>upgrade path %1 of %2</source>
        <translation>upgrade path %1 of %2</translation>
    </message>
    <message>
        <source>%1 is troop -1, which stands for no troop chosen</source>
        <translation>%1 is troop -1, which stands for no troop chosen</translation>
    </message>
    <message>
        <source>%1 names troop %2, which does not exist</source>
        <translation>%1 names troop %2, which does not exist</translation>
    </message>
    <message>
        <source>%1 has faction -1, which stands for no faction chosen</source>
        <translation>%1 has faction -1, which stands for no faction chosen</translation>
    </message>
    <message>
        <source>%1 names faction %2, which does not exist (factions.txt has %3)</source>
        <translation>%1 names faction %2, which does not exist (factions.txt has %3)</translation>
    </message>
    <message>
        <source>faction %1</source>
        <translation>faction %1</translation>
    </message>
    <message>
        <source>factions %1 to %2</source>
        <translation>factions %1 to %2</translation>
    </message>
    <message>
        <source>the inventory of %1 names item %2, which item_kinds1.txt does not hold (it has %3)</source>
        <translation>the inventory of %1 names item %2, which item_kinds1.txt does not hold (it has %3)</translation>
    </message>
    <message>
        <source>item %1</source>
        <translation>item %1</translation>
    </message>
    <message>
        <source>items %1 to %2</source>
        <translation>items %1 to %2</translation>
    </message>
    <message>
        <source>the inventory of %1 holds %2 items, more than the %3 an inventory holds</source>
        <translation>the inventory of %1 holds %2 items, more than the %3 an inventory holds</translation>
    </message>
    <message>
        <source>the inventory line of %1 holds %2 numbers, not %3 slots of item and modifier (%4)</source>
        <translation>the inventory line of %1 holds %2 numbers, not %3 slots of item and modifier (%4)</translation>
    </message>
    <message>
        <source>%1 has values below 0: %2</source>
        <translation>%1 has values below 0: %2</translation>
    </message>
    <message>
        <source>the member slots of %1 are not six slots, each &quot;-1&quot; or a troop, a minimum, a maximum and 0 or 1</source>
        <translation>the member slots of %1 are not six slots, each &quot;-1&quot; or a troop, a minimum, a maximum and 0 or 1</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>the name of %1</translation>
    </message>
    <message>
        <source>the menu of %1</source>
        <translation>the menu of %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>member %1 of %2</source>
        <translation>member %1 of %2</translation>
    </message>
    <message>
        <source>the minimum of member %1 of %2</source>
        <translation>the minimum of member %1 of %2</translation>
    </message>
    <message>
        <source>the maximum of member %1 of %2</source>
        <translation>the maximum of member %1 of %2</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>Member %1 minimum</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>Member %1 maximum</translation>
    </message>
    <message>
        <source>%1 has a maximum of %2, below its minimum of %3</source>
        <translation>%1 has a maximum of %2, below its minimum of %3</translation>
    </message>
    <message>
        <source>field 5 of party %1 holds &quot;%2&quot; where its identifier, beginning with p_, belongs</source>
        <translation>field 5 of party %1 holds &quot;%2&quot; where its identifier, beginning with p_, belongs</translation>
    </message>
    <message>
        <source>%1 names party template %2, which does not exist</source>
        <translation>%1 names party template %2, which does not exist</translation>
    </message>
    <message>
        <source>an update of %1 without changes is refused: %2</source>
        <translation>an update of %1 without changes is refused: %2</translation>
    </message>
    <message>
        <source>an update of %1 without changes would change this line: %2</source>
        <translation>an update of %1 without changes would change this line: %2</translation>
    </message>
    <message>
        <source>%1 is already the identifier of %2 (line %3)</source>
        <translation>%1 is already the identifier of %2 (line %3)</translation>
    </message>
    <message>
        <source>%1, nor are %2</source>
        <translation>%1, nor are %2</translation>
    </message>
    <message>
        <source>%1, nor is %2</source>
        <translation>%1, nor is %2</translation>
    </message>
    <message>
        <source>%1 (%2) begins at line %3, not at line %4 (%5); the %6 after it are shifted too</source>
        <translation>%1 (%2) begins at line %3, not at line %4 (%5); the %6 after it are shifted too</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Check module</source>
        <translation>Check module</translation>
    </message>
    <message>
        <source>No module checked yet.</source>
        <translation>No module checked yet.</translation>
    </message>
    <message>
        <source>Double-click a finding or press Enter to show its record.</source>
        <translation>Double-click a finding or press Enter to show its record.</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Finding</translation>
    </message>
    <message>
        <source>&amp;Show record</source>
        <translation>&amp;Show record</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>Check &amp;again</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Lancefall Module Editor</source>
        <translation>Lancefall Module Editor</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Don&apos;t show this again</translation>
    </message>
    <message>
        <source>The module has updates that are not saved. Save them before closing?</source>
        <translation>The module has updates that are not saved. Save them before closing?</translation>
    </message>
    <message>
        <source>The module has updates that are not saved. Save them before opening another folder?</source>
        <translation>The module has updates that are not saved. Save them before opening another folder?</translation>
    </message>
    <message>
        <source>The fields of %1 were changed without Update. Apply the changes before leaving it?</source>
        <translation>The fields of %1 were changed without Update. Apply the changes before leaving it?</translation>
    </message>
    <message>
        <source>These files in %1 were changed on disk by another program since the editor loaded or saved them:%2Overwrite them with the editor&apos;s version? Cancel writes nothing.</source>
        <translation>These files in %1 were changed on disk by another program since the editor loaded or saved them:%2Overwrite them with the editor&apos;s version? Cancel writes nothing.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>These files in %1 were changed on disk by another program:%2Load the module again to see the changes?</source>
        <translation>These files in %1 were changed on disk by another program:%2Load the module again to see the changes?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Skill value must be between 0 and 10</source>
        <translation>Skill value must be between 0 and 10</translation>
    </message>
    <message>
        <source>%1 must not be empty</source>
        <translation>%1 must not be empty</translation>
    </message>
    <message>
        <source>%1 must not hold a line break</source>
        <translation>%1 must not hold a line break</translation>
    </message>
    <message>
        <source>%1 must be a whole number from -2147483648 to 2147483647, not &quot;%2&quot;</source>
        <translation>%1 must be a whole number from -2147483648 to 2147483647, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 2147483647, not &quot;%2&quot;</source>
        <translation>%1 must be a whole number from 0 to 2147483647, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 cannot be stored so that it reads back as typed</source>
        <translation>%1 cannot be stored so that it reads back as typed</translation>
    </message>
    <message>
        <source>%1 of %2 holds &quot;%3&quot;, which is no number to change</source>
        <translation>%1 of %2 holds &quot;%3&quot;, which is no number to change</translation>
    </message>
    <message>
        <source>%1 of %2 would be %3; it must be a whole number from 0 to %4</source>
        <translation>%1 of %2 would be %3; it must be a whole number from 0 to %4</translation>
    </message>
    <message>
        <source>%1 must be a whole number, +N, -N or *X, not &quot;%2&quot;</source>
        <translation>%1 must be a whole number, +N, -N or *X, not &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message>
        <source>%1 MB (%2 bytes)</source>
        <translation>%1 MB (%2 bytes)</translation>
    </message>
    <message>
        <source>this is a symbolic link that leads back to itself (a link loop)</source>
        <translation>this is a symbolic link that leads back to itself (a link loop)</translation>
    </message>
    <message>
        <source>this is a symbolic link to %1, which does not exist</source>
        <translation>this is a symbolic link to %1, which does not exist</translation>
    </message>
    <message>
        <source>its path is too long for the system (%1 characters)</source>
        <translation>its path is too long for the system (%1 characters)</translation>
    </message>
    <message>
        <source>the folder %1 may not be searched (no permission)</source>
        <translation>the folder %1 may not be searched (no permission)</translation>
    </message>
    <message>
        <source>this is a folder, not a file</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>this is not a regular file (a named pipe, a device or a socket), so it is not read</source>
        <translation>this is not a regular file (a named pipe, a device or a socket), so it is not read</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>the file is %1; module files larger than %2 are not read</source>
        <translation>the file is %1; module files larger than %2 are not read</translation>
    </message>
    <message>
        <source>the file is larger than %1, the most a module file may hold</source>
        <translation>the file is larger than %1, the most a module file may hold</translation>
    </message>
    <message>
        <source>the file has %1 lines; module files of more than %2 lines are not read</source>
        <translation>the file has %1 lines; module files of more than %2 lines are not read</translation>
    </message>
    <message>
        <source>what it held could not be read before: %1</source>
        <translation>what it held could not be read before: %1</translation>
    </message>
    <message>
        <source>was replaced, but could not be put back as it was after %1 failed: %2</source>
        <translation>was replaced, but could not be put back as it was after %1 failed: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lancefall Module Editor [*]</source>
        <translation>Lancefall Module Editor [*]</translation>
    </message>
    <message>
        <source>Lancefall Module Editor</source>
        <translation>Lancefall Module Editor</translation>
    </message>
    <message>
        <source>  操作  </source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>文件名： </source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>文件夹:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>浏览.....</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source> 更新 </source>
        <translation>Update</translation>
    </message>
    <message>
        <source>储存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>简单使用说明</source>
        <translation>How to use the editor</translation>
    </message>
    <message>
        <source>
1. 点击“浏览.....”按钮，选择一个 Lancefall 模组文件夹。
2. 在左边的“文件名”框中，选择要编辑的游戏数据种类。
3. 编辑所选的条目，直到它符合您的要求。
4. 编辑完一个条目后，先点击“更新”按钮，再转到下一个条目。
      注意：编辑后没有点击“更新”的条目不会被保存。
5. 点击“储存”按钮，把完成的修改写入游戏的文本文件。
      注意：编辑之前，请先备份游戏的文件。
6. 启动游戏并开始一局新游戏，即可看到修改的效果。</source>
        <translation>1. Click Browse… (or File &gt; Open Folder…, Ctrl+O) and choose a Lancefall module folder.
2. In the File name box, choose what to edit: troops.txt, party_templates.txt or parties.txt.
3. Click an entry in the list to show it; Ctrl+click or Shift+click selects several. The
   filter above the list (Ctrl+F) finds entries by number, name or ID.
4. Edit the fields and click Update (Ctrl+Return) before you move on: only updated changes
   are saved, and leaving changed fields asks whether to apply them. With several entries
   selected, Update writes just the fields you changed into each; number fields also take
   +N, -N or *X. Edit &gt; Confirm Each Update turns the message after each update off.
5. Ctrl+Z undoes an update and Ctrl+Y redoes it; View &gt; History lists every step.
6. Click Save (Ctrl+S) to write the three files. The first save keeps the old ones as .bak.
7. Start the game and begin a new game to see your changes.

Used by, on the right, lists what refers to the entry shown: double-click a line to go there.
Tools &gt; Check module (F7) lists broken records and references to nothing; Tools &gt; Replace…
swaps an item, troop, template or faction for another everywhere it is used.</translation>
    </message>
    <message>
        <source>相关网站</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>Lancefall 游戏网站：</source>
        <translation>Lancefall game website:</translation>
    </message>
    <message>
        <source>本编辑器的讨论论坛：</source>
        <translation>Discussion forum of this editor:</translation>
    </message>
    <message>
        <source>本编辑器的下载页面：</source>
        <translation>Download page of this editor:</translation>
    </message>
    <message>
        <source>版权声明</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Lancefall 游戏数据文件的版权归其作者所有。</source>
        <translation>The Lancefall game data files are the copyright of their authors.</translation>
    </message>
    <message>
        <source>本编辑器为模组制作者免费提供。</source>
        <translation>This editor is free for modders.</translation>
    </message>
    <message>
        <source>Lancefall Module Editor 由其开发团队编写。</source>
        <translation>Lancefall Module Editor is written by its development team.</translation>
    </message>
    <message>
        <source> 角色列表 </source>
        <translation>Troop List</translation>
    </message>
    <message>
        <source>Filter: number, name or ID (Ctrl+F)</source>
        <translation>Filter: number, name or ID (Ctrl+F)</translation>
    </message>
    <message>
        <source>容貌 </source>
        <translation>Face</translation>
    </message>
    <message>
        <source>代码1</source>
        <translation>Code 1</translation>
    </message>
    <message>
        <source>代码2</source>
        <translation>Code 2</translation>
    </message>
    <message>
        <source>旗帜 </source>
        <translation>Flags</translation>
    </message>
    <message>
        <source> 男性</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>女性  </source>
        <translation>Female</translation>
    </message>
    <message>
        <source>其他 </source>
        <translation>Other</translation>
    </message>
    <message>
        <source>英雄</source>
        <translation>Hero</translation>
    </message>
    <message>
        <source>商人    </source>
        <translation>Merchant</translation>
    </message>
    <message>
        <source>骑乘   </source>
        <translation>Mounted</translation>
    </message>
    <message>
        <source>无法俘获  </source>
        <translation>Uncapturable</translation>
    </message>
    <message>
        <source>未激活  </source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>不可杀死  </source>
        <translation>Unkillable</translation>
    </message>
    <message>
        <source>不可击伤 </source>
        <translation>Always dies</translation>
    </message>
    <message>
        <source>不可移动 </source>
        <translation>Unmoveable</translation>
    </message>
    <message>
        <source>装备保障 </source>
        <translation>Guaranteed Equipment</translation>
    </message>
    <message>
        <source>护甲 </source>
        <translation>Armor</translation>
    </message>
    <message>
        <source>护腿 </source>
        <translation>Boots</translation>
    </message>
    <message>
        <source>护手  </source>
        <translation>Gloves</translation>
    </message>
    <message>
        <source>头盔  </source>
        <translation>Helmet</translation>
    </message>
    <message>
        <source>盾牌  </source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>马匹 </source>
        <translation>Horse</translation>
    </message>
    <message>
        <source>远程  </source>
        <translation>Ranged</translation>
    </message>
    <message>
        <source>名字 </source>
        <translation>Names</translation>
    </message>
    <message>
        <source>角色  ID</source>
        <translation>Troop ID</translation>
    </message>
    <message>
        <source>名称1 </source>
        <translation>Name 1</translation>
    </message>
    <message>
        <source>  名称2 </source>
        <translation>Name 2</translation>
    </message>
    <message>
        <source>升级后的兵种 </source>
        <translation>Upgrades To</translation>
    </message>
    <message>
        <source> 角色属性 </source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>力 </source>
        <translation>STR</translation>
    </message>
    <message>
        <source>敏 </source>
        <translation>AGI</translation>
    </message>
    <message>
        <source>智 </source>
        <translation>INT</translation>
    </message>
    <message>
        <source>魅 </source>
        <translation>CHA</translation>
    </message>
    <message>
        <source>等级 </source>
        <translation>Level</translation>
    </message>
    <message>
        <source> 阵营  </source>
        <translation>Faction</translation>
    </message>
    <message>
        <source> 武器熟练度  </source>
        <translation>Weapon Proficiencies</translation>
    </message>
    <message>
        <source>单手武器 </source>
        <translation>One-handed</translation>
    </message>
    <message>
        <source>长柄武器</source>
        <translation>Polearms</translation>
    </message>
    <message>
        <source>     弩  </source>
        <translation>Crossbows</translation>
    </message>
    <message>
        <source>  火器  </source>
        <translation>Firearms</translation>
    </message>
    <message>
        <source>双手武器 </source>
        <translation>Two-handed</translation>
    </message>
    <message>
        <source>箭术   </source>
        <translation>Archery</translation>
    </message>
    <message>
        <source>  投掷  </source>
        <translation>Throwing</translation>
    </message>
    <message>
        <source> 技能 </source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>    铁骨 </source>
        <translation>Ironflesh</translation>
    </message>
    <message>
        <source> 盾防 </source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>  战术 </source>
        <translation>Tactics</translation>
    </message>
    <message>
        <source>    急救 </source>
        <translation>First Aid</translation>
    </message>
    <message>
        <source>       强击 </source>
        <translation>Power Strike</translation>
    </message>
    <message>
        <source>    跑动 </source>
        <translation>Athletics</translation>
    </message>
    <message>
        <source>      向导 </source>
        <translation>Pathfinding</translation>
    </message>
    <message>
        <source> 工程学 </source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>      强掷 </source>
        <translation>Power Throw</translation>
    </message>
    <message>
        <source> 骑术 </source>
        <translation>Riding</translation>
    </message>
    <message>
        <source>   侦查 </source>
        <translation>Spotting</translation>
    </message>
    <message>
        <source>   说服力 </source>
        <translation>Persuasion</translation>
    </message>
    <message>
        <source>     强弓 </source>
        <translation>Power Draw</translation>
    </message>
    <message>
        <source>     骑射 </source>
        <translation>Horse Archery</translation>
    </message>
    <message>
        <source>物品管理</source>
        <translation>Inventory Mgmt.</translation>
    </message>
    <message>
        <source>    俘虏管理 </source>
        <translation>Prisoner Mgmt.</translation>
    </message>
    <message>
        <source>  掠夺 </source>
        <translation>Looting</translation>
    </message>
    <message>
        <source>   教练 </source>
        <translation>Training</translation>
    </message>
    <message>
        <source>    疗伤 </source>
        <translation>Wound Treatment</translation>
    </message>
    <message>
        <source>     统御 </source>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>  武器掌握 </source>
        <translation>Weapon Master</translation>
    </message>
    <message>
        <source>   跟踪 </source>
        <translation>Tracking</translation>
    </message>
    <message>
        <source>  手术 </source>
        <translation>Surgery</translation>
    </message>
    <message>
        <source>交易 </source>
        <translation>Trade</translation>
    </message>
    <message>
        <source>物品 </source>
        <translation>Inventory</translation>
    </message>
    <message>
        <source>增 </source>
        <translation>Add</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source> 下 </source>
        <translation>Down</translation>
    </message>
    <message>
        <source> 删除 </source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>    部队模板列表    </source>
        <translation>Party Template List</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>   性格    </source>
        <translation>Personality</translation>
    </message>
    <message>
        <source>   匪徒   </source>
        <translation>Banditness</translation>
    </message>
    <message>
        <source>勇气   </source>
        <translation>Courage</translation>
    </message>
    <message>
        <source>   进攻倾向   </source>
        <translation>Aggressiveness</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>阵营   </source>
        <translation>Faction</translation>
    </message>
    <message>
        <source> 成员  </source>
        <translation>Members</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>是否俘虏</source>
        <translation>Prisoner</translation>
    </message>
    <message>
        <source>  部队列表  </source>
        <translation>Party List</translation>
    </message>
    <message>
        <source>   部队模型   </source>
        <translation>Party Template</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Used by</source>
        <translation>Used by</translation>
    </message>
    <message>
        <source>&amp;Open Folder…</source>
        <translation>&amp;Open Folder…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Update Record</source>
        <translation>&amp;Update Record</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Find…</translation>
    </message>
    <message>
        <source>&amp;Confirm Each Update</source>
        <translation>&amp;Confirm Each Update</translation>
    </message>
    <message>
        <source>&amp;About Lancefall Module Editor</source>
        <translation>&amp;About Lancefall Module Editor</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Saved %1 files</source>
        <translation>Saved %1 files</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Not saved: %1</translation>
    </message>
    <message>
        <source>Saved %1 of %2 files; not written: %3</source>
        <translation>Saved %1 of %2 files; not written: %3</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>Parties</name>
    <message>
        <source>a party line needs at least 6 fields</source>
        <translation>a party line needs at least 6 fields</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>the %1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>the line lies beyond the end of the file (%1 lines)</source>
        <translation>the line lies beyond the end of the file (%1 lines)</translation>
    </message>
    <message>
        <source>the line holds no identifier beginning with p_</source>
        <translation>the line holds no identifier beginning with p_</translation>
    </message>
    <message>
        <source>a party line needs at least %1 fields</source>
        <translation>a party line needs at least %1 fields</translation>
    </message>
    <message>
        <source>party template</source>
        <translation>party template</translation>
    </message>
    <message>
        <source>faction</source>
        <translation>faction</translation>
    </message>
    <message>
        <source>%1 %2 is no %1 number: a number from 0 to %3</source>
        <translation>%1 %2 is no %1 number: a number from 0 to %3</translation>
    </message>
    <message>
        <source>Party ID</source>
        <translation>Party ID</translation>
    </message>
    <message>
        <source>Party ID must begin with p_, not &quot;%1&quot;</source>
        <translation>Party ID must begin with p_, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Party name</source>
        <translation>Party name</translation>
    </message>
    <message>
        <source>No party template is chosen</source>
        <translation>No party template is chosen</translation>
    </message>
    <message>
        <source>No faction is chosen</source>
        <translation>No faction is chosen</translation>
    </message>
</context>
<context>
    <name>PartyTemplates</name>
    <message>
        <source>the line lies beyond the end of the file (%1 lines)</source>
        <translation>the line lies beyond the end of the file (%1 lines)</translation>
    </message>
    <message>
        <source>the line does not begin with pt_</source>
        <translation>the line does not begin with pt_</translation>
    </message>
    <message>
        <source>a template line needs 6 fields before its member slots</source>
        <translation>a template line needs 6 fields before its member slots</translation>
    </message>
    <message>
        <source>the faction &quot;%1&quot; is not a number</source>
        <translation>the faction &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>the personality &quot;%1&quot; is not a number</source>
        <translation>the personality &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>unknown line in party_templates.txt</source>
        <translation>unknown line in party_templates.txt</translation>
    </message>
    <message>
        <source>faction %1 is no faction number: a number from 0 to %2</source>
        <translation>faction %1 is no faction number: a number from 0 to %2</translation>
    </message>
    <message>
        <source>member slot %1 names troop %2, which is no troop number: -1 or a number from 0 to %3</source>
        <translation>member slot %1 names troop %2, which is no troop number: -1 or a number from 0 to %3</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>Member %1 minimum</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>Member %1 maximum</translation>
    </message>
    <message>
        <source>Member %1 maximum (%2) must not be below its minimum (%3)</source>
        <translation>Member %1 maximum (%2) must not be below its minimum (%3)</translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation>Soldier</translation>
    </message>
    <message>
        <source>Merchant</source>
        <translation>Merchant</translation>
    </message>
    <message>
        <source>Escorted Merchant</source>
        <translation>Escorted Merchant</translation>
    </message>
    <message>
        <source>Bandit</source>
        <translation>Bandit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Other (keep current value)</source>
        <translation>Other (keep current value)</translation>
    </message>
    <message>
        <source>Template ID</source>
        <translation>Template ID</translation>
    </message>
    <message>
        <source>Template ID must begin with pt_, not &quot;%1&quot;</source>
        <translation>Template ID must begin with pt_, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Template name</source>
        <translation>Template name</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>No faction is chosen</source>
        <translation>No faction is chosen</translation>
    </message>
    <message>
        <source>a template line needs at least 2 fields</source>
        <translation>a template line needs at least 2 fields</translation>
    </message>
    <message>
        <source>no line begins with pt_, so the file holds no party template</source>
        <translation>no line begins with pt_, so the file holds no party template</translation>
    </message>
</context>
<context>
    <name>References</name>
    <message>
        <source>Faction</source>
        <translation>Faction</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Upgrade path A</source>
        <translation>Upgrade path A</translation>
    </message>
    <message>
        <source>Upgrade path B</source>
        <translation>Upgrade path B</translation>
    </message>
    <message>
        <source>Member %1 troop</source>
        <translation>Member %1 troop</translation>
    </message>
    <message>
        <source>inventory slot %1</source>
        <translation>inventory slot %1</translation>
    </message>
    <message>
        <source>upgrade path A</source>
        <translation>upgrade path A</translation>
    </message>
    <message>
        <source>upgrade path B</source>
        <translation>upgrade path B</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>member %1</translation>
    </message>
    <message>
        <source>template</source>
        <translation>template</translation>
    </message>
    <message>
        <source>faction</source>
        <translation>faction</translation>
    </message>
    <message>
        <source>Replace in %1</source>
        <translation>Replace in %1</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 records</translation>
    </message>
</context>
<context>
    <name>ReplacePanel</name>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>&amp;Replace:</source>
        <translation>&amp;Replace:</translation>
    </message>
    <message>
        <source>&amp;With:</source>
        <translation>&amp;With:</translation>
    </message>
    <message>
        <source>Only the selected records</source>
        <translation>Only the selected records</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Replace &amp;All</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Inventory reordered</source>
        <translation>Inventory reordered</translation>
    </message>
    <message>
        <source>Inventory %1</source>
        <translation>Inventory %1</translation>
    </message>
    <message>
        <source>cannot be read before the change: %1</source>
        <translation>cannot be read before the change: %1</translation>
    </message>
    <message>
        <source>cannot be read after the change: %1</source>
        <translation>cannot be read after the change: %1</translation>
    </message>
    <message>
        <source>no field shown changes</source>
        <translation>no field shown changes</translation>
    </message>
    <message>
        <source>broken line: a quote inside a cell that does not begin with one, or text after a closing quote (a quote in a cell is written twice, and the cell put in quotes)</source>
        <translation>broken line: a quote inside a cell that does not begin with one, or text after a closing quote (a quote in a cell is written twice, and the cell put in quotes)</translation>
    </message>
    <message>
        <source>the table cannot be read: %1</source>
        <translation>the table cannot be read: %1</translation>
    </message>
    <message>
        <source>the table reader cannot start</source>
        <translation>the table reader cannot start</translation>
    </message>
    <message>
        <source>the table has more than %1 rows</source>
        <translation>the table has more than %1 rows</translation>
    </message>
    <message>
        <source>broken line: a quote opened on this line is never closed</source>
        <translation>broken line: a quote opened on this line is never closed</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 is left out of the table: %2</source>
        <translation>%1 is left out of the table: %2</translation>
    </message>
    <message>
        <source>%1 names items that item_kinds1.txt does not hold: they are left out of the table, and an import that changes this inventory drops them</source>
        <translation>%1 names items that item_kinds1.txt does not hold: they are left out of the table, and an import that changes this inventory drops them</translation>
    </message>
    <message>
        <source>Import %1 from %2</source>
        <translation>Import %1 from %2</translation>
    </message>
    <message>
        <source>the column stands twice in the header</source>
        <translation>the column stands twice in the header</translation>
    </message>
    <message>
        <source>no column of a %1 table has this name: it is ignored</source>
        <translation>no column of a %1 table has this name: it is ignored</translation>
    </message>
    <message>
        <source>%1: load the module again</source>
        <translation>%1: load the module again</translation>
    </message>
    <message>
        <source>the header has no number column: rows are matched to records by it</source>
        <translation>the header has no number column: rows are matched to records by it</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>the row has %1 cells, the header %2</translation>
    </message>
    <message>
        <source>the cell is not UTF-8 text: save the table as UTF-8 CSV</source>
        <translation>the cell is not UTF-8 text: save the table as UTF-8 CSV</translation>
    </message>
    <message>
        <source>no %1 has the number &quot;%2&quot; (0 to %3)</source>
        <translation>no %1 has the number &quot;%2&quot; (0 to %3)</translation>
    </message>
    <message>
        <source>a second row for %1: the first is row %2</source>
        <translation>a second row for %1: the first is row %2</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it cannot be changed: %2</source>
        <translation>%1 cannot be read, so it cannot be changed: %2</translation>
    </message>
    <message>
        <source>%1 is the identifier of %2, not of %3: rows are matched to records by number, so a row cannot move to another record</source>
        <translation>%1 is the identifier of %2, not of %3: rows are matched to records by number, so a row cannot move to another record</translation>
    </message>
    <message>
        <source>%1 is also the new identifier of %2 on row %3</source>
        <translation>%1 is also the new identifier of %2 on row %3</translation>
    </message>
    <message>
        <source>%1 names items that item_kinds1.txt does not hold: the new inventory drops them</source>
        <translation>%1 names items that item_kinds1.txt does not hold: the new inventory drops them</translation>
    </message>
    <message>
        <source>%1 would read %2, not %3, after the import: a member slot without a troop keeps no counts</source>
        <translation>%1 would read %2, not %3, after the import: a member slot without a troop keeps no counts</translation>
    </message>
    <message>
        <source>%1 would read %2, not %3, after the import</source>
        <translation>%1 would read %2, not %3, after the import</translation>
    </message>
    <message>
        <source>the table has no header row</source>
        <translation>the table has no header row</translation>
    </message>
    <message>
        <source>the header is not UTF-8 text: save the table as UTF-8 CSV</source>
        <translation>the header is not UTF-8 text: save the table as UTF-8 CSV</translation>
    </message>
    <message>
        <source>the header does not tell whether the table holds troops, party templates or parties: add a column only one of them has, or the id column</source>
        <translation>the header does not tell whether the table holds troops, party templates or parties: add a column only one of them has, or the id column</translation>
    </message>
    <message>
        <source>Face code %1</source>
        <translation>Face code %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: troops.txt is of a game version whose face codes are not known</source>
        <translation>%1 cannot be written: troops.txt is of a game version whose face codes are not known</translation>
    </message>
    <message>
        <source>the modifier of %1 must be a whole number from 0 to %2, or &quot;=&quot; and the number stored, not &quot;%3&quot;</source>
        <translation>the modifier of %1 must be a whole number from 0 to %2, or &quot;=&quot; and the number stored, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Inventory holds %1 items; a troop can carry at most %2</source>
        <translation>Inventory holds %1 items; a troop can carry at most %2</translation>
    </message>
    <message>
        <source>Name 1</source>
        <translation>Name 1</translation>
    </message>
    <message>
        <source>Name 2</source>
        <translation>Name 2</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>Faction</translation>
    </message>
    <message>
        <source>Upgrade path A</source>
        <translation>Upgrade path A</translation>
    </message>
    <message>
        <source>Upgrade path B</source>
        <translation>Upgrade path B</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Hero</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Unkillable</source>
        <translation>Unkillable</translation>
    </message>
    <message>
        <source>Fall dead</source>
        <translation>Fall dead</translation>
    </message>
    <message>
        <source>No capture</source>
        <translation>No capture</translation>
    </message>
    <message>
        <source>Mounted</source>
        <translation>Mounted</translation>
    </message>
    <message>
        <source>Merchant</source>
        <translation>Merchant</translation>
    </message>
    <message>
        <source>Guarantee boots</source>
        <translation>Guarantee boots</translation>
    </message>
    <message>
        <source>Guarantee armor</source>
        <translation>Guarantee armor</translation>
    </message>
    <message>
        <source>Guarantee helmet</source>
        <translation>Guarantee helmet</translation>
    </message>
    <message>
        <source>Guarantee gloves</source>
        <translation>Guarantee gloves</translation>
    </message>
    <message>
        <source>Guarantee horse</source>
        <translation>Guarantee horse</translation>
    </message>
    <message>
        <source>Guarantee shield</source>
        <translation>Guarantee shield</translation>
    </message>
    <message>
        <source>Guarantee ranged</source>
        <translation>Guarantee ranged</translation>
    </message>
    <message>
        <source>Unmoveable</source>
        <translation>Unmoveable</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventory</translation>
    </message>
    <message>
        <source>Template name</source>
        <translation>Template name</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Personality</source>
        <translation>Personality</translation>
    </message>
    <message>
        <source>Member %1 troop</source>
        <translation>Member %1 troop</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>Member %1 minimum</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>Member %1 maximum</translation>
    </message>
    <message>
        <source>Member %1 prisoners</source>
        <translation>Member %1 prisoners</translation>
    </message>
    <message>
        <source>Party name</source>
        <translation>Party name</translation>
    </message>
    <message>
        <source>Party template</source>
        <translation>Party template</translation>
    </message>
    <message>
        <source>factions.txt has changed since the module was loaded</source>
        <translation>factions.txt has changed since the module was loaded</translation>
    </message>
    <message>
        <source>troop</source>
        <translation>troop</translation>
    </message>
    <message>
        <source>faction</source>
        <translation>faction</translation>
    </message>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
    <message>
        <source>party template</source>
        <translation>party template</translation>
    </message>
    <message>
        <source>a %1 is needed</source>
        <translation>a %1 is needed</translation>
    </message>
    <message>
        <source>no %1 has the number %2 (%3 to %4)</source>
        <translation>no %1 has the number %2 (%3 to %4)</translation>
    </message>
    <message>
        <source>%1 names no %2 of this module</source>
        <translation>%1 names no %2 of this module</translation>
    </message>
    <message>
        <source>%1 must begin with %2, not &quot;%3&quot;</source>
        <translation>%1 must begin with %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 must be 0 or 1, not &quot;%2&quot;</source>
        <translation>%1 must be 0 or 1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be &quot;0x&quot; followed by hexadecimal digits, not &quot;%2&quot;</source>
        <translation>%1 must be &quot;0x&quot; followed by hexadecimal digits, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 10, not &quot;%2&quot;</source>
        <translation>%1 must be a whole number from 0 to 10, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Personality must be soldier, merchant, escorted_merchant, bandit or none, not &quot;%1&quot;</source>
        <translation>Personality must be soldier, merchant, escorted_merchant, bandit or none, not &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>TroopEditor</name>
    <message>
        <source>%1   [modifier %2]</source>
        <translation>%1   [modifier %2]</translation>
    </message>
</context>
<context>
    <name>Troops</name>
    <message>
        <source>ERROR: you cannot have more than 64 items, please remove some!</source>
        <translation>ERROR: you cannot have more than 64 items, please remove some!</translation>
    </message>
    <message>
        <source>%1 would hold %2 items; an inventory holds at most %3</source>
        <translation>%1 would hold %2 items; an inventory holds at most %3</translation>
    </message>
    <message>
        <source>%1 needs at least %2 fields, this one has %3</source>
        <translation>%1 needs at least %2 fields, this one has %3</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>the %1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>the %1 %2 is no list position: -1 for none, or a number from 0 to %3</source>
        <translation>the %1 %2 is no list position: -1 for none, or a number from 0 to %3</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number that fits 128 bits</source>
        <translation>the %1 &quot;%2&quot; is not a number that fits 128 bits</translation>
    </message>
    <message>
        <source>faction number</source>
        <translation>faction number</translation>
    </message>
    <message>
        <source>upgrade path A</source>
        <translation>upgrade path A</translation>
    </message>
    <message>
        <source>upgrade path B</source>
        <translation>upgrade path B</translation>
    </message>
    <message>
        <source>a troop line</source>
        <translation>a troop line</translation>
    </message>
    <message>
        <source>flag word</source>
        <translation>flag word</translation>
    </message>
    <message>
        <source>inventory slot %1 (&quot;%2 %3&quot;) is not a pair of numbers</source>
        <translation>inventory slot %1 (&quot;%2 %3&quot;) is not a pair of numbers</translation>
    </message>
    <message>
        <source>Warning: The following items were not found in the items file and will be removed:
%1</source>
        <translation>Warning: The following items were not found in the items file and will be removed:
%1</translation>
    </message>
    <message>
        <source>skill word %1</source>
        <translation>skill word %1</translation>
    </message>
    <message>
        <source>a skills line</source>
        <translation>a skills line</translation>
    </message>
    <message>
        <source>face word %1</source>
        <translation>face word %1</translation>
    </message>
    <message>
        <source>the face word %1 &quot;%2&quot; is negative</source>
        <translation>the face word %1 &quot;%2&quot; is negative</translation>
    </message>
    <message>
        <source>unknown Lancefall version %1</source>
        <translation>unknown Lancefall version %1</translation>
    </message>
    <message>
        <source>a faces line</source>
        <translation>a faces line</translation>
    </message>
    <message>
        <source>Troop ID</source>
        <translation>Troop ID</translation>
    </message>
    <message>
        <source>Troop ID must begin with trp_, not &quot;%1&quot;</source>
        <translation>Troop ID must begin with trp_, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Name 1</source>
        <translation>Name 1</translation>
    </message>
    <message>
        <source>Name 2</source>
        <translation>Name 2</translation>
    </message>
    <message>
        <source>No race is chosen in the race list.</source>
        <translation>No race is chosen in the race list.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 10, not &quot;%2&quot;</source>
        <translation>%1 must be a whole number from 0 to 10, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Face code %1 must be &quot;0x&quot; followed by hexadecimal digits</source>
        <translation>Face code %1 must be &quot;0x&quot; followed by hexadecimal digits</translation>
    </message>
    <message>
        <source>Persuasion</source>
        <translation>Persuasion</translation>
    </message>
    <message>
        <source>Prisoner Management</source>
        <translation>Prisoner Management</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Trade</translation>
    </message>
    <message>
        <source>Tactics</source>
        <translation>Tactics</translation>
    </message>
    <message>
        <source>Pathfinding</source>
        <translation>Pathfinding</translation>
    </message>
    <message>
        <source>Spotting</source>
        <translation>Spotting</translation>
    </message>
    <message>
        <source>Inventory Management</source>
        <translation>Inventory Management</translation>
    </message>
    <message>
        <source>Wound Treatment</source>
        <translation>Wound Treatment</translation>
    </message>
    <message>
        <source>Surgery</source>
        <translation>Surgery</translation>
    </message>
    <message>
        <source>First Aid</source>
        <translation>First Aid</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Horse Archery</source>
        <translation>Horse Archery</translation>
    </message>
    <message>
        <source>Looting</source>
        <translation>Looting</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Tracking</translation>
    </message>
    <message>
        <source>Weapon Master</source>
        <translation>Weapon Master</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>Athletics</source>
        <translation>Athletics</translation>
    </message>
    <message>
        <source>Riding</source>
        <translation>Riding</translation>
    </message>
    <message>
        <source>Ironflesh</source>
        <translation>Ironflesh</translation>
    </message>
    <message>
        <source>Power Strike</source>
        <translation>Power Strike</translation>
    </message>
    <message>
        <source>Power Throw</source>
        <translation>Power Throw</translation>
    </message>
    <message>
        <source>Power Draw</source>
        <translation>Power Draw</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agility</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation>Charisma</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>One-handed</source>
        <translation>One-handed</translation>
    </message>
    <message>
        <source>Two-handed</source>
        <translation>Two-handed</translation>
    </message>
    <message>
        <source>Polearms</source>
        <translation>Polearms</translation>
    </message>
    <message>
        <source>Archery</source>
        <translation>Archery</translation>
    </message>
    <message>
        <source>Crossbows</source>
        <translation>Crossbows</translation>
    </message>
    <message>
        <source>Throwing</source>
        <translation>Throwing</translation>
    </message>
    <message>
        <source>Firearms</source>
        <translation>Firearms</translation>
    </message>
    <message>
        <source>N/A in this troops.txt file format</source>
        <translation>N/A in this troops.txt file format</translation>
    </message>
    <message>
        <source>the troop line is missing</source>
        <translation>the troop line is missing</translation>
    </message>
    <message>
        <source>the troop needs lines %1 to %2, but the file ends at line %3</source>
        <translation>the troop needs lines %1 to %2, but the file ends at line %3</translation>
    </message>
    <message>
        <source>an attributes line</source>
        <translation>an attributes line</translation>
    </message>
    <message>
        <source>a proficiencies line</source>
        <translation>a proficiencies line</translation>
    </message>
    <message>
        <source>a line inside the record of troop %1 begins with trp_; troop %1 is not shown or updated</source>
        <translation>a line inside the record of troop %1 begins with trp_; troop %1 is not shown or updated</translation>
    </message>
    <message>
        <source>troop %1 begins before the record of troop %2 (line %3) has all its lines; troop %2 is not shown or updated</source>
        <translation>troop %1 begins before the record of troop %2 (line %3) has all its lines; troop %2 is not shown or updated</translation>
    </message>
    <message>
        <source>this line begins with trp_ inside a troop record, and the summary row matches neither the troops with it nor those without it; troop %1 is not shown or updated</source>
        <translation>this line begins with trp_ inside a troop record, and the summary row matches neither the troops with it nor those without it; troop %1 is not shown or updated</translation>
    </message>
    <message>
        <source>the summary row must hold the number of troops, not &quot;%1&quot;</source>
        <translation>the summary row must hold the number of troops, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file holds no troop record</source>
        <translation>the file holds no troop record</translation>
    </message>
    <message>
        <source>a troop line needs at least 2 fields</source>
        <translation>a troop line needs at least 2 fields</translation>
    </message>
    <message>
        <source>%1 troops exist in this file but the summary row has %2
This value will be updated when a new file is saved.</source>
        <translation>%1 troops exist in this file but the summary row has %2
This value will be updated when a new file is saved.</translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation>0 - None</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Unable to open the following files in %1
%2</source>
        <translation>Unable to open the following files in %1
%2</translation>
    </message>
    <message>
        <source>Could not place %1, which the lists name but the editor does not show or update:

%2</source>
        <translation>Could not place %1, which the lists name but the editor does not show or update:

%2</translation>
    </message>
    <message>
        <source>Could not place %1, which the lists name but the editor does not show or update:

%2

and %3 more. Tools &gt; Check Module (F7) lists them all.</source>
        <translation>Could not place %1, which the lists name but the editor does not show or update:

%2

and %3 more. Tools &gt; Check Module (F7) lists them all.</translation>
    </message>
    <message>
        <source>%1 (%2 lines)</source>
        <translation>%1 (%2 lines)</translation>
    </message>
    <message>
        <source>The following files in %1 were updated:

%2</source>
        <translation>The following files in %1 were updated:

%2</translation>
    </message>
    <message>
        <source>The versions they replaced are kept beside them as %1.</source>
        <translation>The versions they replaced are kept beside them as %1.</translation>
    </message>
    <message>
        <source>The following files in %1 could not be written:

%2</source>
        <translation>The following files in %1 could not be written:

%2</translation>
    </message>
    <message>
        <source>These files were left as they were: %1</source>
        <translation>These files were left as they were: %1</translation>
    </message>
    <message>
        <source>Information on %1 (%2) has been updated.</source>
        <translation>Information on %1 (%2) has been updated.</translation>
    </message>
    <message>
        <source>Information on %1 has been updated.</source>
        <translation>Information on %1 has been updated.</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 records</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Update %1</translation>
    </message>
    <message>
        <source>Update %1 records</source>
        <translation>Update %1 records</translation>
    </message>
    <message>
        <source>No items found, please make sure a item_kinds1.txt file exists in the folder.</source>
        <translation>No items found, please make sure a item_kinds1.txt file exists in the folder.</translation>
    </message>
    <message>
        <source>No factions found, please make sure a factions.txt file exists in the folder.</source>
        <translation>No factions found, please make sure a factions.txt file exists in the folder.</translation>
    </message>
    <message>
        <source>the %1 shown is not the one selected, because it could not be shown without errors; select it again once its line is mended</source>
        <translation>the %1 shown is not the one selected, because it could not be shown without errors; select it again once its line is mended</translation>
    </message>
    <message>
        <source>%1 %2 is already used by %3</source>
        <translation>%1 %2 is already used by %3</translation>
    </message>
    <message>
        <source>the file on disk cannot be read: %1</source>
        <translation>the file on disk cannot be read: %1</translation>
    </message>
    <message>
        <source>troop</source>
        <translation>troop</translation>
    </message>
    <message>
        <source>party template</source>
        <translation>party template</translation>
    </message>
    <message>
        <source>party</source>
        <translation>party</translation>
    </message>
    <message>
        <source>troops</source>
        <translation>troops</translation>
    </message>
    <message>
        <source>party templates</source>
        <translation>party templates</translation>
    </message>
    <message>
        <source>parties</source>
        <translation>parties</translation>
    </message>
    <message>
        <source>Troop ID</source>
        <translation>Troop ID</translation>
    </message>
    <message>
        <source>Template ID</source>
        <translation>Template ID</translation>
    </message>
    <message>
        <source>Party ID</source>
        <translation>Party ID</translation>
    </message>
    <message>
        <source>troop %1</source>
        <translation>troop %1</translation>
    </message>
    <message>
        <source>party template %1</source>
        <translation>party template %1</translation>
    </message>
    <message>
        <source>party %1</source>
        <translation>party %1</translation>
    </message>
    <message>
        <source>Please select a troop from the list</source>
        <translation>Please select a troop from the list</translation>
    </message>
    <message>
        <source>Please select a party template from the list</source>
        <translation>Please select a party template from the list</translation>
    </message>
    <message>
        <source>Please select a party from the list</source>
        <translation>Please select a party from the list</translation>
    </message>
    <message>
        <source>%1 troop</source>
        <translation>%1 troop</translation>
    </message>
    <message>
        <source>%1 troops</source>
        <translation>%1 troops</translation>
    </message>
    <message>
        <source>%1 party template</source>
        <translation>%1 party template</translation>
    </message>
    <message>
        <source>%1 party templates</source>
        <translation>%1 party templates</translation>
    </message>
    <message>
        <source>%1 party</source>
        <translation>%1 party</translation>
    </message>
    <message>
        <source>%1 parties</source>
        <translation>%1 parties</translation>
    </message>
</context>
<context>
    <name>lancefall::MainWindow</name>
    <message>
        <source>Updated %1</source>
        <translation>Updated %1</translation>
    </message>
    <message>
        <source>Nothing to update: the fields hold %1 as stored</source>
        <translation>Nothing to update: the fields hold %1 as stored</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>&amp;Replace…</source>
        <translation>&amp;Replace…</translation>
    </message>
    <message>
        <source>&lt;opened&gt;</source>
        <translation>&lt;opened&gt;</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Select a Lancefall module folder to modify:</source>
        <translation>Select a Lancefall module folder to modify:</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Could not open %1</translation>
    </message>
    <message>
        <source>Opened %1: %2 troops, %3 templates, %4 parties</source>
        <translation>Opened %1: %2 troops, %3 templates, %4 parties</translation>
    </message>
    <message>
        <source>Undid %1</source>
        <translation>Undid %1</translation>
    </message>
    <message>
        <source>Redid %1</source>
        <translation>Redid %1</translation>
    </message>
    <message>
        <source>%1 %2

Edits the troops, party templates and parties of a Lancefall module and writes them back in the game&apos;s own text formats.

Qt %3</source>
        <translation>%1 %2

Edits the troops, party templates and parties of a Lancefall module and writes them back in the game&apos;s own text formats.

Qt %3</translation>
    </message>
    <message>
        <source>Choose a module folder with Browse or File &gt; Open Folder (Ctrl+O)</source>
        <translation>Choose a module folder with Browse or File &gt; Open Folder (Ctrl+O)</translation>
    </message>
    <message>
        <source>Check module</source>
        <translation>Check module</translation>
    </message>
    <message>
        <source>Check every record of the module as it stands, unsaved updates included</source>
        <translation>Check every record of the module as it stands, unsaved updates included</translation>
    </message>
    <message>
        <source>Re&amp;view Changes</source>
        <translation>Re&amp;view Changes</translation>
    </message>
    <message>
        <source>Review Changes</source>
        <translation>Review Changes</translation>
    </message>
    <message>
        <source>&amp;Export Table…</source>
        <translation>&amp;Export Table…</translation>
    </message>
    <message>
        <source>&amp;Import Table…</source>
        <translation>&amp;Import Table…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Export %1 as a table</source>
        <translation>Export %1 as a table</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation>The table could not be written to %1: %2</translation>
    </message>
    <message>
        <source>Exported %1 rows to %2</source>
        <translation>Exported %1 rows to %2</translation>
    </message>
    <message>
        <source>Left out of the table:

%1</source>
        <translation>Left out of the table:

%1</translation>
    </message>
    <message>
        <source>Import a table</source>
        <translation>Import a table</translation>
    </message>
    <message>
        <source>CSV tables (*.csv);;All files (*)</source>
        <translation>CSV tables (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>The table %1 could not be read: %2</source>
        <translation>The table %1 could not be read: %2</translation>
    </message>
    <message numerus="yes">
        <source>Not imported: %n error(s) in the table</source>
        <translation>
            <numerusform>Not imported: %n error in the table</numerusform>
            <numerusform>Not imported: %n errors in the table</numerusform>
        </translation>
    </message>
    <message>
        <source>The table was not imported; nothing changed:

%1</source>
        <translation>The table was not imported; nothing changed:

%1</translation>
    </message>
    <message>
        <source>The table changes nothing</source>
        <translation>The table changes nothing</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Done: %1</translation>
    </message>
    <message>
        <source>Imported, with these warnings:

%1</source>
        <translation>Imported, with these warnings:

%1</translation>
    </message>
</context>
<context>
    <name>lancefall::ModuleWatcher</name>
    <message>
        <source>These files in %1 were changed on disk by another program:

  %2

The module has changes that are not saved, so it is not loaded again. Saving asks before it replaces a file that was changed.</source>
        <translation>These files in %1 were changed on disk by another program:

  %2

The module has changes that are not saved, so it is not loaded again. Saving asks before it replaces a file that was changed.</translation>
    </message>
</context>
<context>
    <name>lancefall::RecordEditor</name>
    <message>
        <source>%1 selected</source>
        <translation>%1 selected</translation>
    </message>
    <message>
        <source>A whole number sets every selected record to it; +N or -N adds N to or takes N from each record&apos;s own value; *X multiplies it by X</source>
        <translation>A whole number sets every selected record to it; +N or -N adds N to or takes N from each record&apos;s own value; *X multiplies it by X</translation>
    </message>
    <message>
        <source>Not updated: %1</source>
        <translation>Not updated: %1</translation>
    </message>
    <message>
        <source>(several values)</source>
        <translation>(several values)</translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation>%1 names %2</translation>
    </message>
    <message>
        <source>%1, which does not exist: choose an entry to replace it, or Update keeps it</source>
        <translation>%1, which does not exist: choose an entry to replace it, or Update keeps it</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>lancefall::ReferenceChooser</name>
    <message>
        <source>%1 - (missing)</source>
        <translation>%1 - (missing)</translation>
    </message>
    <message>
        <source>The record names %1, which does not exist; choose an entry to replace it</source>
        <translation>The record names %1, which does not exist; choose an entry to replace it</translation>
    </message>
</context>
<context>
    <name>lancefall::ReplacePanel</name>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Troop</source>
        <translation>Troop</translation>
    </message>
    <message>
        <source>Party Template</source>
        <translation>Party Template</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>Faction</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing names %1.</source>
        <translation>Nothing names %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) name %1.</source>
        <translation>
            <numerusform>%n place names %1.</numerusform>
            <numerusform>%n places name %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not replaced: %1</source>
        <translation>Not replaced: %1</translation>
    </message>
    <message>
        <source>Replace %1 with %2</source>
        <translation>Replace %1 with %2</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n place(s)</source>
        <translation>
            <numerusform>Replaced %n place</numerusform>
            <numerusform>Replaced %n places</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lancefall::ReviewPanel</name>
    <message>
        <source>No module is open.</source>
        <translation>No module is open.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing changed since the module was loaded or saved.</source>
        <translation>Nothing changed since the module was loaded or saved.</translation>
    </message>
    <message>
        <source>1 record changed since the module was loaded or saved.</source>
        <translation>1 record changed since the module was loaded or saved.</translation>
    </message>
    <message>
        <source>%1 records changed since the module was loaded or saved.</source>
        <translation>%1 records changed since the module was loaded or saved.</translation>
    </message>
</context>
<context>
    <name>lancefall::TemplateEditor</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>Member %1 minimum</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>Member %1 maximum</translation>
    </message>
</context>
<context>
    <name>lancefall::TroopEditor</name>
    <message>
        <source>Skin %1</source>
        <translation>Skin %1</translation>
    </message>
</context>
<context>
    <name>lancefall::UsedByPanel</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Select a troop, party template or party to see what uses it.</source>
        <translation>Select a troop, party template or party to see what uses it.</translation>
    </message>
    <message>
        <source>What uses %1</source>
        <translation>What uses %1</translation>
    </message>
    <message>
        <source>Troops that upgrade to it</source>
        <translation>Troops that upgrade to it</translation>
    </message>
    <message>
        <source>Templates with it as a member</source>
        <translation>Templates with it as a member</translation>
    </message>
    <message>
        <source>Parties using those templates</source>
        <translation>Parties using those templates</translation>
    </message>
    <message>
        <source>Parties using it</source>
        <translation>Parties using it</translation>
    </message>
    <message>
        <source>Nothing refers to a party.</source>
        <translation>Nothing refers to a party.</translation>
    </message>
    <message>
        <source>1 troop</source>
        <translation>1 troop</translation>
    </message>
    <message>
        <source>%1 troops</source>
        <translation>%1 troops</translation>
    </message>
    <message>
        <source>1 template</source>
        <translation>1 template</translation>
    </message>
    <message>
        <source>%1 templates</source>
        <translation>%1 templates</translation>
    </message>
    <message>
        <source>1 party</source>
        <translation>1 party</translation>
    </message>
    <message>
        <source>%1 parties</source>
        <translation>%1 parties</translation>
    </message>
    <message>
        <source>Faction %1: %2, %3, %4</source>
        <translation>Faction %1: %2, %3, %4</translation>
    </message>
</context>
</TS>
