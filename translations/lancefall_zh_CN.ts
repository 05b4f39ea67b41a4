<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Catalogues</name>
    <message>
        <source>an item line needs an identifier and a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a faction line needs an identifier and a name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2; the module could not be read, so nothing else was checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 in %3, %4 and %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would gain field %1, &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would lose field %1, &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 &quot;%2&quot; would become &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troops %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party templates %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parties %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>factions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troop k at line 3 + %1k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>template k at line k + 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party k at line 2k + 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file lists no item after item 0, so the editor can show no troop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3; the editor corrects it when it loads the module and writes %3 there when it saves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3 read record by record, or %4 counting every line that begins with trp_; as it cannot tell which is right, the editor keeps this row as it stands when it saves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line 2 should be the summary row with the number of %1, %2, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name 1 of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name 2 of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has skill levels above %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upgrade path %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is troop -1, which stands for no troop chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names troop %2, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has faction -1, which stands for no faction chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names faction %2, which does not exist (factions.txt has %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faction %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>factions %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the inventory of %1 names item %2, which item_kinds1.txt does not hold (it has %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>items %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the inventory of %1 holds %2 items, more than the %3 an inventory holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the inventory line of %1 holds %2 numbers, not %3 slots of item and modifier (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has values below 0: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the member slots of %1 are not six slots, each &quot;-1&quot; or a troop, a minimum, a maximum and 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the menu of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the minimum of member %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the maximum of member %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a maximum of %2, below its minimum of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field 5 of party %1 holds &quot;%2&quot; where its identifier, beginning with p_, belongs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names party template %2, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an update of %1 without changes is refused: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an update of %1 without changes would change this line: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already the identifier of %2 (line %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, nor are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, nor is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) begins at line %3, not at line %4 (%5); the %6 after it are shifted too</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Check module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module checked yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a finding or press Enter to show its record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Severity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Skill value must be between 0 and 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must not hold a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number from -2147483648 to 2147483647, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 2147483647, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be stored so that it reads back as typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 holds &quot;%3&quot;, which is no number to change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 would be %3; it must be a whole number from 0 to %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>%1 line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is a symbolic link that leads back to itself (a link loop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is a symbolic link to %1, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its path is too long for the system (%1 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 may not be searched (no permission)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not a regular file (a named pipe, a device or a socket), so it is not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is %1; module files larger than %2 are not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1, the most a module file may hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has %1 lines; module files of more than %2 lines are not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what it held could not be read before: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was replaced, but could not be put back as it was after %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lancefall Module Editor [*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancefall Module Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  操作  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件名： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件夹:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>浏览.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 更新 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>储存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>简单使用说明</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相关网站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancefall 游戏网站：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本编辑器的讨论论坛：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本编辑器的下载页面：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版权声明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancefall 游戏数据文件的版权归其作者所有。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本编辑器为模组制作者免费提供。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancefall Module Editor 由其开发团队编写。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 角色列表 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter: number, name or ID (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>容貌 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>代码1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>代码2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旗帜 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 男性</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>女性  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英雄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商人    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>骑乘   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法俘获  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未激活  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不可杀死  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不可击伤 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不可移动 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>装备保障 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>护甲 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>护腿 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>护手  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>头盔  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>盾牌  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>马匹 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>远程  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名字 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>角色  ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名称1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  名称2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>升级后的兵种 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 角色属性 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>力 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>敏 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>智 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>魅 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等级 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 阵营  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 武器熟练度  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单手武器 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>长柄武器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     弩  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  火器  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双手武器 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箭术   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  投掷  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 技能 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    铁骨 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 盾防 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  战术 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    急救 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       强击 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    跑动 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      向导 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 工程学 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      强掷 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 骑术 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   侦查 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   说服力 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     强弓 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     骑射 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>物品管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    俘虏管理 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  掠夺 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   教练 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    疗伤 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     统御 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  武器掌握 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   跟踪 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  手术 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>交易 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>物品 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>增 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 下 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 删除 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    部队模板列表    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   性格    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   匪徒   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>勇气   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   进攻倾向   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>菜单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阵营   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 成员  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否俘虏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  部队列表  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   部队模型   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirm Each Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Lancefall Module Editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Parties</name>
    <message>
        <source>a party line needs at least 6 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line lies beyond the end of the file (%1 lines)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line holds no identifier beginning with p_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a party line needs at least %1 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is no %1 number: a number from 0 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party ID must begin with p_, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No party template is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No faction is chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartyTemplates</name>
    <message>
        <source>the line lies beyond the end of the file (%1 lines)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line does not begin with pt_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a template line needs 6 fields before its member slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the faction &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the personality &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown line in party_templates.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faction %1 is no faction number: a number from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member slot %1 names troop %2, which is no troop number: -1 or a number from 0 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member %1 maximum (%2) must not be below its minimum (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merchant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escorted Merchant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other (keep current value)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template ID must begin with pt_, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No faction is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a template line needs at least 2 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no line begins with pt_, so the file holds no party template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number, +N, -N or *X, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>References</name>
    <message>
        <source>Faction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade path A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade path B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member %1 troop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inventory slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upgrade path A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upgrade path B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReplacePanel</name>
    <message>
        <source>&amp;Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;With:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the selected records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Troops</name>
    <message>
        <source>ERROR: you cannot have more than 64 items, please remove some!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number, +N, -N or *X, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would hold %2 items; an inventory holds at most %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs at least %2 fields, this one has %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 %2 is no list position: -1 for none, or a number from 0 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number that fits 128 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faction number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upgrade path A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upgrade path B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a troop line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flag word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inventory slot %1 (&quot;%2 %3&quot;) is not a pair of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: The following items were not found in the items file and will be removed:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skill word %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a skills line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face word %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the face word %1 &quot;%2&quot; is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown Lancefall version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a faces line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troop ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troop ID must begin with trp_, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No race is chosen in the race list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 10, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face code %1 must be &quot;0x&quot; followed by hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Persuasion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prisoner Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tactics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pathfinding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spotting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inventory Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wound Treatment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surgery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Aid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse Archery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weapon Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Athletics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ironflesh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Strike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Throw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-handed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-handed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polearms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossbows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throwing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firearms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A in this troops.txt file format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the troop line is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the troop needs lines %1 to %2, but the file ends at line %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an attributes line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a proficiencies line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line inside the record of troop %1 begins with trp_; troop %1 is not shown or updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troop %1 begins before the record of troop %2 (line %3) has all its lines; troop %2 is not shown or updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this line begins with trp_ inside a troop record, and the summary row matches neither the troops with it nor those without it; troop %1 is not shown or updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the summary row must hold the number of troops, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no troop record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a troop line needs at least 2 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 troops exist in this file but the summary row has %2
This value will be updated when a new file is saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Unable to open the following files in %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not place %1, which the lists name but the editor does not show or update:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not place %1, which the lists name but the editor does not show or update:

%2

and %3 more. Tools &gt; Check Module (F7) lists them all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 lines)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following files in %1 were updated:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The versions they replaced are kept beside them as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following files in %1 could not be written:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were left as they were: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information on %1 (%2) has been updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information on %1 has been updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update %1 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items found, please make sure a item_kinds1.txt file exists in the folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No factions found, please make sure a factions.txt file exists in the folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 shown is not the one selected, because it could not be shown without errors; select it again once its line is mended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is already used by %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file on disk cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troop ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troop %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party template %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a troop from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a party template from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a party from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 troop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 troops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 party template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 party templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parties</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lancefall::MainWindow</name>
    <message>
        <source>Updated %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to update: the fields hold %1 as stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;opened&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lancefall::RecordEditor</name>
    <message>
        <source>%1 selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A whole number sets every selected record to it; +N or -N adds N to or takes N from each record&apos;s own value; *X multiplies it by X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not updated: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(several values)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, which does not exist: choose an entry to replace it, or Update keeps it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lancefall::ReferenceChooser</name>
    <message>
        <source>%1 - (missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record names %1, which does not exist; choose an entry to replace it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lancefall::ReplacePanel</name>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing names %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) name %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not replaced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace %1 with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n place(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
